#pragma once
// The PC's wall clock, replaceable in tests.
#include <ctime>

namespace dorvik {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm LocalNow() const = 0;
};

class SystemClock : public Clock {
public:
    std::tm LocalNow() const override {
        std::time_t t = std::time(nullptr);
        std::tm out{};
        localtime_r(&t, &out);
        return out;
    }
};

}  // namespace dorvik
