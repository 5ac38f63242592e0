#pragma once
// A single-threaded event loop without a window toolkit: it runs work handed
// over by other threads (UiDispatcher) and timers (TimerFactory) on the
// thread that calls Run*, the loop thread.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/timer.h"
#include "platform/ui_dispatcher.h"

namespace dorvik {

class EventLoop : public UiDispatcher, public TimerFactory {
public:
    using Clock = std::chrono::steady_clock;

    EventLoop();
    ~EventLoop() override;

    // Runs fn on the loop thread and returns when it has run. Called on the
    // loop thread itself it runs at once. Returns without running fn when
    // the loop was shut down.
    void Invoke(const std::function<void()>& fn) override;
    std::unique_ptr<Timer> CreateTimer() override;

    // Runs work and timers until done() is true or the time is up; returns done().
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    void RunFor(std::chrono::milliseconds span);
    // Ends the loop: pending and later Invoke calls return without running.
    void Shutdown();
    // The longest time pending work waited for the loop: handed-over work
    // from its hand-over, a timer from when it was due.
    std::chrono::microseconds LongestStall() const { return longestStall_; }
    void ResetStall() { longestStall_ = {}; }

    struct TimerState;

private:
    struct Task;
    bool RunOnce(Clock::time_point deadline);
    bool RunDueTimer();
    Clock::time_point NextDue(Clock::time_point deadline);
    void NoteWait(Clock::time_point since);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<Task>> tasks_;
    std::vector<std::weak_ptr<TimerState>> timers_;
    std::thread::id loopThread_;
    bool shutdown_ = false;
    std::chrono::microseconds longestStall_{};
};

}  // namespace dorvik
