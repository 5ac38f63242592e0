#pragma once
// Timers of the window thread, made of QTimer.
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/timer.h"

namespace dorvik {

class QtTimer : public Timer {
public:
    QtTimer();
    void Start(int intervalMs, bool periodic, std::function<void()> onTick) override;
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

// Creates QtTimers; they belong to the thread that creates them (the
// window thread).
class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<QtTimer>(); }
};

}  // namespace dorvik
