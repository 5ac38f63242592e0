#pragma once
// A tab page that records what the engine and the handlers asked of it.
#include <string>
#include <vector>

#include "protocol/page_ops.h"

namespace dorvik::test {

class RecordingPage : public ListPageOps {
public:
    void EnablePageCommands(bool on) override {
        enabled = on;
        enableCalls.push_back(on);
    }
    void SetSendText(const std::string& t) override { sendText = t; }
    void SetReceiveText(const std::string& t) override {
        if (!t.empty()) receiveText = t;
    }
    void SetMessageText(const std::string& t) override { messageText = t; }
    void ShowModemControls(bool on) override { modemControls = on; }
    void ShowUsed() override { ++usedShown; }
    void SetSlotCount(int n) override { slotCount = n; }
    void DownloadNext() override { ++downloadNext; }

    bool enabled = false;
    std::vector<bool> enableCalls;
    std::string sendText, receiveText, messageText;
    bool modemControls = false;
    int usedShown = 0, slotCount = -1, downloadNext = 0;
};

}  // namespace dorvik::test

namespace dorvik::test {

// A settings page that records what the reply handlers set.
class RecordingSettingsPage : public SettingsPage {
public:
    void EnablePageCommands(bool on) override { enabled = on; }
    void SetSendText(const std::string&) override {}
    void SetReceiveText(const std::string&) override {}
    void SetMessageText(const std::string&) override {}
    void ShowModemControls(bool) override {}
    void SetUnitNameAndVersion(const std::string& n, const std::string& v, bool) override {
        name = n;
        version = v;
    }
    void SetUnitTime(const std::tm& t) override { time = t; ++timeSet; }
    void SetBandText(const std::string& b) override { band = b; }
    void SetClockUpdate(bool on, const std::string& p) override {
        clockUpdate = on;
        clockPhone = p;
    }
    void SetRelayMode(int m) override { relayMode = m; }
    void SetReception(int v) override { reception = v; }
    void SetDelay(int v) override { delay = v; }
    void ApplyStatusReply(const std::string& r) override { status = r; }
    void ApplyAlarmContentReply(const std::string& r) override { alarmContent = r; }
    void ApplyRelayStatus(const std::string& t) override { relays = t; }
    std::string PendingPassword() const override { return pending; }

    bool enabled = false;
    std::string name, version, band, clockPhone, status, alarmContent, relays, pending;
    std::tm time{};
    int timeSet = 0, relayMode = -1, reception = -1, delay = -1;
    bool clockUpdate = false;
};

class RecordingLogView : public LogViewOps {
public:
    struct Added {
        std::string time, number, name;
        int index;
    };
    void AddLogEntry(const std::string& t, const std::string& n, const std::string& name,
                     int index) override {
        added.push_back({t, n, name, index});
    }
    std::vector<Added> added;
};

}  // namespace dorvik::test
