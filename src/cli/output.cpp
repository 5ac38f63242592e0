#include "cli/output.h"

#include <unistd.h>

namespace dorvik::cli {
namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr auto kPrintEvery = std::chrono::seconds(1);

std::string MinutesSeconds(long long seconds) {
    const std::string ss = std::to_string(seconds % 60);
    return std::to_string(seconds / 60) + ":" + (ss.size() < 2 ? "0" : "") + ss;
}

}  // namespace

void Output::Line(const std::string& text) {
    if (!json_) out_ << text << '\n' << std::flush;
}

void Output::Lines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) Line(line);
}

void Output::Object(const cli::Json& json) {
    if (json_) out_ << JsonText(json) << '\n' << std::flush;
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

ProgressLine::ProgressLine(Output& output, std::string label, int total)
    : output_(output),
      label_(std::move(label)),
      total_(total),
      start_(SteadyClock::now()),
      lastPrint_(start_) {}

std::string ProgressLine::Text(int done) const {
    std::string text =
        label_ + ": " + std::to_string(done) + "/" + std::to_string(total_) + " slots";
    if (done <= 0 || done >= total_) return text;
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(SteadyClock::now() - start_);
    const long long left = elapsed.count() * (total_ - done) / done;
    return text + ", " + MinutesSeconds(left) + " left";
}

void ProgressLine::Update(int done) {
    if (total_ <= 0 || SteadyClock::now() - lastPrint_ < kPrintEvery) return;
    lastPrint_ = SteadyClock::now();
    printed_ = Text(done);
    output_.Progress(printed_);
}

void ProgressLine::Finish(int done) {
    if (total_ <= 0) return;
    if (Text(done) != printed_) output_.Progress(Text(done));
    output_.EndProgress();
}

}  // namespace dorvik::cli
