#pragma once
// The lines of a script for "dorvik-cli run": one command a line, words
// split at blanks, "double quotes" around words with blanks (a backslash
// before a quote or a backslash inside them), and "#" starting a comment
// outside quotes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"

namespace dorvik::cli {

struct ScriptLine {
    int number = 0;  // 1-based line number in the file
    std::vector<std::string> words;
};

// The lines that hold a command; the reason (with the line number) when a
// quote is left open.
std::optional<std::string> SplitScript(std::string_view text, std::vector<ScriptLine>* lines);

// A script line's command with its options, the command line's own as the base.
struct ParsedLine {
    int number;
    Options options;
};

// Every line parsed before anything runs, so that a mistake on line 20 does
// not leave a unit half provisioned; the reason ("name:line: why") when a
// line is wrong.
std::optional<std::string> ParseScriptText(std::string_view text, const std::string& name,
                                           const Options& main, std::vector<ParsedLine>* parsed);

}  // namespace dorvik::cli
