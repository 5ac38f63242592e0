#pragma once
// Timers that tick on the window thread.
#include <functional>
#include <memory>

namespace dorvik {

class Timer {
public:
    virtual ~Timer() = default;
    // (Re)starts the timer; a running timer is restarted with the new values.
    virtual void Start(int intervalMs, bool periodic, std::function<void()> onTick) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> CreateTimer() = 0;
};

}  // namespace dorvik
