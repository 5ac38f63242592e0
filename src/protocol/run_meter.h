#pragma once
// How far an upload or a read-all has come: "n of m" and, once a few steps
// have been timed, the time left, shown beside the status-bar progress bar.
// Time is counted by a periodic timer, which also keeps the text current
// while a slow unit answers.
#include <memory>
#include <string>

#include "platform/progress_bar.h"
#include "platform/timer.h"

namespace dorvik {

class RunMeter {
public:
    static constexpr int kTickMs = 500;
    // Steps timed before the time left is shown.
    static constexpr int kStepsBeforeEstimate = 3;
    // A count of lines ends by itself once no line came for this long.
    static constexpr int kLinesQuietMs = 2000;

    RunMeter(TimerFactory& timers, ProgressBar& bar);

    // Starts counting a run of total steps; 0 when the total is not known
    // (the lines of a read-all).
    void Begin(int total);
    // The next step began: an upload's next slot is on its way, or the next
    // line of a read-all arrived.
    void Step();
    // Ends the run and clears the text.
    void End();
    bool Running() const { return running_; }
    bool CountsLines() const { return running_ && total_ == 0; }
    const std::string& Text() const { return text_; }

private:
    void OnTick();
    void Show();
    long long SecondsLeft() const;

    std::unique_ptr<Timer> timer_;
    ProgressBar& bar_;
    std::string text_;
    bool running_ = false;
    int total_ = 0;
    int steps_ = 0;
    long long elapsedMs_ = 0;
    long long lastStepMs_ = 0;
};

// Seconds as "m:ss".
std::string MinutesSeconds(long long seconds);

}  // namespace dorvik
