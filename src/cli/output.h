#pragma once
// Where results go: human-readable lines or one JSON object per result on
// standard output, messages and progress on standard error.
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "cli/json.h"

namespace dorvik::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the unit refused or did not answer
inline constexpr int kExitUsage = 2;   // bad usage or unreadable input
inline constexpr int kExitInterrupted = 130;

class Output {
public:
    Output(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void SetJson(bool on) { json_ = on; }
    void SetQuiet(bool on) { quiet_ = on; }
    bool Json() const { return json_; }
    bool Quiet() const { return quiet_; }

    // A result line (UTF-8) in human-readable mode.
    void Line(const std::string& text);
    void Lines(const std::vector<std::string>& lines);
    // A result object in JSON mode.
    void Object(const cli::Json& json);
    // "dorvik-cli: text" on standard error.
    void Error(const std::string& text);
    // A note on standard error, hidden by --quiet.
    void Note(const std::string& text);
    // A progress line on standard error: rewritten in place on a terminal.
    void Progress(const std::string& text);
    // Ends the progress line on a terminal.
    void EndProgress();

private:
    std::ostream& out_;
    std::ostream& err_;
    bool json_ = false;
    bool quiet_ = false;
    bool progressOpen_ = false;
};

// Progress of a long run: slots done of the total and the time left,
// printed at most once a second.
class ProgressLine {
public:
    ProgressLine(Output& output, std::string label, int total);
    void Update(int done);
    void Finish(int done);

private:
    std::string Text(int done) const;

    Output& output_;
    std::string label_;
    int total_;
    std::chrono::steady_clock::time_point start_, lastPrint_;
    std::string printed_;
};

}  // namespace dorvik::cli
