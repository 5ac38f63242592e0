#include "cli/script.h"

#include <algorithm>

#include "cli/commands.h"
#include "model/atomic_file.h"

namespace dorvik::cli {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The quoted word starting after the quote at pos; pos ends after the
// closing quote. False when it is not closed.
bool QuotedWord(std::string_view line, std::size_t& pos, std::string& word) {
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == '"') {
            ++pos;
            return true;
        }
        if (line[pos] == '\\' && pos + 1 < line.size() &&
            (line[pos + 1] == '"' || line[pos + 1] == '\\'))
            ++pos;
        word += line[pos];
    }
    return false;
}

// The words of one line; false when a quote is left open.
bool SplitLine(std::string_view line, std::vector<std::string>& words) {
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] == '#') return true;
        std::string word;
        while (pos < line.size() && !IsBlank(line[pos])) {
            if (line[pos] != '"')
                word += line[pos++];
            else if (!QuotedWord(line, pos, word))
                return false;
        }
        words.push_back(std::move(word));
    }
}

// A script line's options start from the command line's, without the
// command and its own options.
Options LineBase(const Options& main) {
    Options base = main;
    base.words.clear();
    base.given.clear();
    base.last.reset();
    base.deleteLog = base.multiRelay = base.ucs2 = base.keepGoing = base.help = false;
    base.exportPath.clear();
    base.list.clear();
    base.sheet.clear();
    base.to.clear();
    return base;
}

std::optional<std::string> ParseScript(const std::string& path, const Options& main,
                                       std::vector<ParsedLine>* parsed) {
    std::string text, error;
    if (ReadWholeFile(path, &text, &error) != ReadStatus::kRead)
        return "cannot read the script " + path + (error.empty() ? "" : ": " + error);
    return ParseScriptText(text, path, main, parsed);
}

}  // namespace

std::optional<std::string> SplitScript(std::string_view text, std::vector<ScriptLine>* lines) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        ++number;
        ScriptLine line{number, {}};
        if (!SplitLine(text.substr(0, end), line.words))
            return std::to_string(number) + ": a quote is not closed";
        if (!line.words.empty()) lines->push_back(std::move(line));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return std::nullopt;
}

std::optional<std::string> ParseScriptText(std::string_view text, const std::string& name,
                                           const Options& main, std::vector<ParsedLine>* parsed) {
    std::vector<ScriptLine> lines;
    if (auto why = SplitScript(text, &lines)) return name + ":" + *why;
    std::string error;
    for (const ScriptLine& line : lines) {
        ParsedLine p{line.number, LineBase(main)};
        const std::string where = name + ":" + std::to_string(line.number) + ": ";
        if (!ParseArguments(line.words, p.options, false, &error)) return where + error;
        if (p.options.words.empty()) return where + "no command";
        if (p.options.words[0] == "run") return where + "run cannot be nested";
        parsed->push_back(std::move(p));
    }
    return std::nullopt;
}

int RunScript(CommandContext& c) {
    if (c.options.words.size() != 2) return c.Usage("run takes one script file");
    std::vector<ParsedLine> lines;
    if (auto why = ParseScript(c.options.words[1], c.options, &lines)) return c.Usage(*why);
    // One link for the whole script, opened before the project is read.
    const bool unit = std::any_of(lines.begin(), lines.end(),
                                  [](const ParsedLine& l) { return IsUnitCommand(l.options); });
    SessionProblem problem;
    if (unit && !c.sessions.Connected(&problem)) return c.Failure(problem);
    int status = kExitOk;
    for (ParsedLine& line : lines) {
        c.out.SetJson(line.options.json);
        c.out.SetQuiet(line.options.quiet);
        CommandContext lc{line.options, c.out, c.sessions, ""};
        const int result = Dispatch(lc);
        if (result == kExitOk) continue;
        if (status == kExitOk) status = result;
        c.out.Error(c.options.words[1] + ":" + std::to_string(line.number) + ": this line failed");
        if (!c.options.keepGoing || result == kExitInterrupted) break;
    }
    return status;
}

}  // namespace dorvik::cli
