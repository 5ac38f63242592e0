#pragma once
// A tab page that records what the engine and the handlers asked of it.
#include <string>
#include <vector>

#include "protocol/page_ops.h"

namespace dorvik::test {

class RecordingPage : public ListPage {
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
