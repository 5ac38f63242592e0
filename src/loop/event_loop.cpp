#include "loop/event_loop.h"

#include <algorithm>

namespace dorvik {

struct EventLoop::Task {
    std::function<void()> fn;
    Clock::time_point queued;
    bool done = false;
};

struct EventLoop::TimerState {
    bool active = false;
    bool periodic = false;
    std::chrono::milliseconds interval{0};
    Clock::time_point due{};
    std::function<void()> onTick;
};

namespace {

// The caller's handle; the loop keeps a weak reference to its state.
class LoopTimer : public Timer {
public:
    explicit LoopTimer(std::shared_ptr<EventLoop::TimerState> s) : s_(std::move(s)) {}
    void Start(int ms, bool periodic, std::function<void()> onTick) override {
        s_->active = true;
        s_->periodic = periodic;
        s_->interval = std::chrono::milliseconds(std::max(ms, 0));
        s_->due = EventLoop::Clock::now() + s_->interval;
        s_->onTick = std::move(onTick);
    }
    void Stop() override { s_->active = false; }
    bool IsActive() const override { return s_->active; }

private:
    std::shared_ptr<EventLoop::TimerState> s_;
};

}  // namespace

EventLoop::EventLoop() : loopThread_(std::this_thread::get_id()) {}

EventLoop::~EventLoop() { Shutdown(); }

void EventLoop::Invoke(const std::function<void()>& fn) {
    if (std::this_thread::get_id() == loopThread_) {
        fn();
        return;
    }
    auto task = std::make_shared<Task>();
    task->fn = fn;
    task->queued = Clock::now();
    std::unique_lock lock(mutex_);
    if (shutdown_) return;
    tasks_.push_back(task);
    wake_.notify_all();
    wake_.wait(lock, [&] { return task->done || shutdown_; });
}

std::unique_ptr<Timer> EventLoop::CreateTimer() {
    auto state = std::make_shared<TimerState>();
    timers_.push_back(state);
    return std::make_unique<LoopTimer>(state);
}

void EventLoop::Shutdown() {
    std::lock_guard lock(mutex_);
    shutdown_ = true;
    tasks_.clear();
    wake_.notify_all();
}

bool EventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    loopThread_ = std::this_thread::get_id();
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline) return done();
        RunOnce(deadline);
    }
    return true;
}

void EventLoop::RunFor(std::chrono::milliseconds span) {
    RunUntil([] { return false; }, span);
}

void EventLoop::NoteWait(Clock::time_point since) {
    auto waited = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - since);
    longestStall_ = std::max(longestStall_, waited);
}

// Handles one task or one due timer, or waits for the next of either.
bool EventLoop::RunOnce(Clock::time_point deadline) {
    std::shared_ptr<Task> task;
    {
        std::unique_lock lock(mutex_);
        if (tasks_.empty()) {
            auto until = NextDue(deadline);
            if (until > Clock::now()) wake_.wait_until(lock, until, [&] { return !tasks_.empty(); });
        }
        if (!tasks_.empty()) {
            task = tasks_.front();
            tasks_.pop_front();
        }
    }
    if (task) {
        NoteWait(task->queued);
        task->fn();
        std::lock_guard lock(mutex_);
        task->done = true;
        wake_.notify_all();
        return true;
    }
    return RunDueTimer();
}

EventLoop::Clock::time_point EventLoop::NextDue(Clock::time_point deadline) {
    auto next = deadline;
    for (auto& weak : timers_)
        if (auto t = weak.lock(); t && t->active) next = std::min(next, t->due);
    return next;
}

bool EventLoop::RunDueTimer() {
    auto now = Clock::now();
    std::erase_if(timers_, [](const auto& w) { return w.expired(); });
    for (auto& weak : std::vector<std::weak_ptr<TimerState>>(timers_)) {
        auto t = weak.lock();
        if (!t || !t->active || t->due > now) continue;
        NoteWait(t->due);
        if (t->periodic)
            t->due = std::max(t->due + t->interval, now);
        else
            t->active = false;
        auto tick = t->onTick;
        if (tick) tick();
        return true;
    }
    return false;
}

}  // namespace dorvik
