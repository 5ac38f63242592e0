#include "protocol/run_meter.h"

#include <algorithm>

namespace dorvik {

std::string MinutesSeconds(long long seconds) {
    const std::string ss = std::to_string(seconds % 60);
    return std::to_string(seconds / 60) + ":" + (ss.size() < 2 ? "0" : "") + ss;
}

RunMeter::RunMeter(TimerFactory& timers, ProgressBar& bar)
    : timer_(timers.CreateTimer()), bar_(bar) {}

void RunMeter::Begin(int total) {
    running_ = true;
    total_ = std::max(total, 0);
    steps_ = 0;
    elapsedMs_ = 0;
    lastStepMs_ = 0;
    timer_->Start(kTickMs, true, [this] { OnTick(); });
}

void RunMeter::Step() {
    if (!running_) return;
    ++steps_;
    lastStepMs_ = elapsedMs_;
    Show();
}

void RunMeter::End() {
    timer_->Stop();
    if (!running_) return;
    running_ = false;
    text_.clear();
    bar_.SetText(text_);
}

void RunMeter::OnTick() {
    elapsedMs_ += kTickMs;
    if (total_ == 0 && steps_ > 0 && elapsedMs_ - lastStepMs_ >= kLinesQuietMs) {
        End();
        return;
    }
    Show();
}

// The steps finished so far took the time up to the last step began; the
// steps still to come are expected to take as long each.
long long RunMeter::SecondsLeft() const {
    const int timed = steps_ - 1;
    if (timed < kStepsBeforeEstimate) return -1;
    const long long perStep = lastStepMs_ / timed;
    const long long left = perStep * (total_ - timed) - (elapsedMs_ - lastStepMs_);
    return (std::max(left, 0LL) + 999) / 1000;
}

void RunMeter::Show() {
    if (steps_ == 0) return;
    std::string text;
    if (total_ == 0) {
        text = std::to_string(steps_) + (steps_ == 1 ? " line" : " lines") + " received";
    } else {
        text = std::to_string(steps_) + " of " + std::to_string(total_);
        if (const long long left = SecondsLeft(); left >= 0)
            text += ", " + MinutesSeconds(left) + " left";
    }
    if (text == text_) return;
    text_ = text;
    bar_.SetText(text_);
}

}  // namespace dorvik
