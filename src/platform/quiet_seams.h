#pragma once
// Seams for programs that drive the engine and the pages without a device or
// a window (benchmarks, fuzz targets): a serial device that only keeps the
// request it was given, timers that never fire, boxes answered Ok.
#include <functional>
#include <memory>
#include <string>

#include "platform/message_box.h"
#include "platform/serial_device.h"
#include "platform/timer.h"

namespace dorvik {

class KeepingSerial : public SerialDevice {
public:
    bool OpenPort(const PortSettings&) override { return true; }
    std::string LastOpenError() const override { return {}; }
    bool IsOpen() const override { return true; }
    bool StartMonitor() override { return true; }
    void StopMonitor() override {}
    bool Send(const std::string& t, int c, const std::string& a) override { return Keep(t, c, a); }
    bool SendText(const std::string& t, int c, const std::string& a) override {
        return Keep(t, c, a);
    }
    bool Resend(const std::string& t, int c, const std::string& a) override {
        return Keep(t, c, a);
    }
    int RequestCode() const override { return code_; }
    std::string ExpectedReply() const override { return ack_; }
    std::string LastCommand() const override { return last_; }
    int PortNumber() const override { return 1; }

private:
    bool Keep(const std::string& t, int c, const std::string& a) {
        last_ = t;
        code_ = c;
        ack_ = a;
        return true;
    }
    int code_ = 0;
    std::string ack_, last_;
};

class IdleTimer : public Timer {
public:
    void Start(int, bool, std::function<void()>) override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

private:
    bool active_ = false;
};

class IdleTimers : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<IdleTimer>(); }
};

class OkBoxes : public MessageBox {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        return MsgAnswer::Ok;
    }
};

}  // namespace dorvik
