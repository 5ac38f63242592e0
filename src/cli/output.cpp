#include "cli/output.h"

#include <unistd.h>

namespace dorvik::cli {
namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr auto kPrintEvery = std::chrono::seconds(1);

}  // namespace

void Output::Line(const std::string& text) {
    if (!json_) out_ << text << '\n' << std::flush;
}

void Output::Lines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) Line(line);
}

void Output::Object(const cli::Json& json) {
    if (!json_) return;
    FlushResult();
    heldResult_ = JsonText(json);
}

void Output::FlushResult() {
    if (!heldResult_.empty()) out_ << heldResult_ << '\n' << std::flush;
    heldResult_.clear();
}

void Output::ReplaceResult(const cli::Json& failure) {
    heldResult_.clear();
    Object(failure);
}

void Output::Error(const std::string& text) {
    if (progressOpen_) err_ << '\n';
    progressOpen_ = false;
    err_ << "dorvik-cli: " << text << '\n' << std::flush;
}

void Output::Note(const std::string& text) {
    if (!quiet_) err_ << text << '\n' << std::flush;
}

void Output::Progress(const std::string& text) {
    if (quiet_) return;
    if (::isatty(STDERR_FILENO) != 1) {
        err_ << text << '\n' << std::flush;
        return;
    }
    err_ << '\r' << text << "\033[K" << std::flush;
    progressOpen_ = true;
}

void Output::EndProgress() {
    if (progressOpen_) err_ << '\n' << std::flush;
    progressOpen_ = false;
}

void ProgressLine::SetText(const std::string& text) {
    if (!output_) return;
    if (text.empty()) {
        if (printed_) output_->EndProgress();
        printed_ = false;
        return;
    }
    const auto now = SteadyClock::now();
    if (printed_ && now - lastPrint_ < kPrintEvery) return;
    lastPrint_ = now;
    printed_ = true;
    const std::string& label = output_->ProgressLabel();
    output_->Progress(label.empty() ? text : label + ": " + text);
}

}  // namespace dorvik::cli
