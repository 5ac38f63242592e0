#pragma once
// Where results go: human-readable lines or one JSON object per result on
// standard output, messages and progress on standard error.
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "cli/json.h"
#include "platform/progress_bar.h"

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
    // A result object in JSON mode. It is held until the next result or
    // FlushResult, so that a failure found after it (the project cannot be
    // saved) can take its place.
    void Object(const cli::Json& json);
    void FlushResult();
    // The held result becomes this failure object.
    void ReplaceResult(const cli::Json& failure);
    // "dorvik-cli: text" on standard error.
    void Error(const std::string& text);
    // A note on standard error, hidden by --quiet.
    void Note(const std::string& text);
    // A progress line on standard error: rewritten in place on a terminal.
    void Progress(const std::string& text);
    // Ends the progress line on a terminal.
    void EndProgress();
    // The command whose progress is printed.
    void SetProgressLabel(std::string label) { progressLabel_ = std::move(label); }
    const std::string& ProgressLabel() const { return progressLabel_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool json_ = false;
    bool quiet_ = false;
    bool progressOpen_ = false;
    std::string progressLabel_;
    std::string heldResult_;
};

// The progress of a run as the status bar shows it ("n of m", the time
// left), printed on standard error after the command's name, at most once
// a second.
class ProgressLine : public ProgressBar {
public:
    void SetOutput(Output* output) { output_ = output; }

    void Show(int, int) override {}
    void SetPos(int) override {}
    void Hide() override {}
    void SetText(const std::string& text) override;

private:
    Output* output_ = nullptr;
    std::chrono::steady_clock::time_point lastPrint_;
    bool printed_ = false;
};

}  // namespace dorvik::cli
