#pragma once
// The four list pages wired to a real connection engine and real reply
// handlers over a recording serial device, a recording modem and manual
// timers: a test presses buttons, feeds the unit's answers and fires timers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_serial.h"
#include "fakes.h"
#include "pages/list_pages.h"

namespace dorvik::test {

class RecordingModem : public ModemLink {
public:
    bool OpenPort(const PortSettings&) override { return true; }
    std::string LastOpenError() const override { return {}; }
    bool StartMonitor() override { return true; }
    void StopMonitor() override {}
    void StartModemTest() override {}
    void SendUnitCommand(const std::string& frame, int code, const std::string& ack) override {
        sent.push_back({frame, code, ack, "sms"});
    }
    std::vector<FakeSerialDevice::Write> sent;
};

class NullStatusPane : public StatusPane {
public:
    void SetConnectionText(const std::string&) override {}
};

struct PageRig {
    static constexpr const char* kPassword = "1234";

    PageRig()
        : engine({serial, &modem, timers, boxes, led, progress, status}),
          handlers(model, engine),
          pages(engine, model) {
        engine.SetReplySink(&handlers);
        handlers.SetPages(pages.Replies());
    }

    // Opens the link on the serial cable (or through the modem) and forgets
    // what connecting wrote and showed.
    void Connect(bool modemMode = false) {
        LinkParams p;
        p.password = kPassword;
        p.unitId = "1";
        p.port.port = 1;
        p.modemMode = modemMode;
        engine.SetParams(p);
        engine.OnConnectCommand();
        if (modemMode) engine.ModemReady();
        Forget();
    }
    void Forget() {
        serial.writes.clear();
        modem.sent.clear();
        boxes.shown.clear();
    }
    // Bytes from the unit on the configured port.
    void Feed(const std::string& bytes) {
        for (unsigned char c : bytes) engine.OnSerialByte(c, 1);
    }
    // The unit confirms the pending command with its acknowledgement text.
    void Confirm() { Feed(serial.ExpectedReply() + "\n"); }
    // The pause after a confirmed slot ends.
    void Pause() { timers.FireAll(ReplyHandlers::kNextSlotMs); }
    // The answer to the last short message, as the modem receive path hands it on.
    void SmsAnswer(const std::string& body) {
        const auto& last = modem.sent.back();
        handlers.DispatchMessageReply(body, last.code, last.ack);
    }
    // Texts written with Send, in order.
    std::vector<std::string> Sent() const {
        std::vector<std::string> out;
        for (const auto& w : serial.writes)
            if (w.kind == "send") out.push_back(w.text);
        return out;
    }
    std::vector<std::string> Boxes() const { return boxes.Texts(); }
    // Runs an operation that must be refused: it shows the message with the
    // error icon and leaves the list as it was.
    template <class List>
    void ExpectRefused(const List& list, const std::function<void()>& op,
                       const std::string& message) {
        const auto revision = list.Revision();
        op();
        ASSERT_FALSE(boxes.shown.empty()) << message;
        EXPECT_EQ(boxes.shown.back().text, message);
        EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error);
        EXPECT_EQ(list.Revision(), revision) << message;
    }

    UnitModel model;
    FakeSerialDevice serial;
    RecordingModem modem;
    ManualTimerFactory timers;
    RecordingMessageBox boxes;
    RecordingIndicator led;
    RecordingProgressBar progress;
    NullStatusPane status;
    ConnectionEngine engine;
    ReplyHandlers handlers;
    ListPages pages;
};

}  // namespace dorvik::test
