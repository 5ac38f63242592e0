#include "app/qt_timer.h"

namespace dorvik {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The tick may restart or destroy this timer: call a copy.
        auto tick = onTick_;
        if (tick) tick();
    });
}

void QtTimer::Start(int intervalMs, bool periodic, std::function<void()> onTick) {
    timer_.stop();
    onTick_ = std::move(onTick);
    timer_.setSingleShot(!periodic);
    timer_.start(intervalMs < 0 ? 0 : intervalMs);
}

}  // namespace dorvik
