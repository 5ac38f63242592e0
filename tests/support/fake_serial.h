#pragma once
// A serial device that records what is written and never touches hardware.
#include <string>
#include <vector>

#include "platform/serial_device.h"

namespace dorvik::test {

class FakeSerialDevice : public SerialDevice {
public:
    bool OpenPort(const PortSettings& s) override {
        ++opens;
        if (!openSucceeds) return false;
        settings = s;
        open = true;
        return true;
    }
    std::string LastOpenError() const override { return openError; }
    bool IsOpen() const override { return open; }
    bool StartMonitor() override { return monitoring = open; }
    void StopMonitor() override {
        monitoring = false;
        open = false;
        ++stops;
    }
    bool Send(const std::string& t, int code, const std::string& ack) override {
        lastCommand_ = t;
        return Record(t, code, ack, "send");
    }
    bool SendText(const std::string& t, int code, const std::string& ack) override {
        return Record(t, code, ack, "text");
    }
    bool Resend(const std::string& t, int code, const std::string& ack) override {
        return Record(t, code, ack, "resend");
    }
    int RequestCode() const override { return code_; }
    std::string ExpectedReply() const override { return ack_; }
    std::string LastCommand() const override { return lastCommand_; }
    int PortNumber() const override { return settings.port; }

    struct Write {
        std::string text;
        int code;
        std::string ack;
        std::string kind;
    };
    std::vector<Write> writes;
    PortSettings settings;
    bool openSucceeds = true;
    std::string openError;
    bool open = false, monitoring = false;
    int opens = 0, stops = 0;

private:
    bool Record(const std::string& t, int code, const std::string& ack, const char* kind) {
        code_ = code;
        ack_ = ack;
        writes.push_back({t, code, ack, kind});
        return true;
    }
    int code_ = 0;
    std::string ack_, lastCommand_;
};

}  // namespace dorvik::test
