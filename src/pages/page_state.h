#pragma once
// The part every tab page shares: the Send, Receive and Message boxes, the
// enabled state of its unit command buttons, and the connection check that
// precedes every unit command.
#include <cstdint>
#include <string>

#include "protocol/connection_engine.h"
#include "protocol/page_ops.h"

namespace dorvik {

inline constexpr const char kDisconnectedMessage[] = "You are disconnected from the unit";
inline constexpr const char kUnsupportedInModem[] = "Unsupported in modem mode";

template <class Ops>
class PageState : public Ops {
public:
    explicit PageState(ConnectionEngine& engine) : engine_(engine) {}

    void EnablePageCommands(bool on) override {
        commandsEnabled_ = on;
        Touch();
    }
    void SetSendText(const std::string& text) override {
        sendText_ = text;
        Touch();
    }
    void SetReceiveText(const std::string& text) override {
        if (text.empty()) return;
        receiveText_ = text;
        Touch();
    }
    void SetMessageText(const std::string& text) override {
        messageText_ = text;
        Touch();
    }
    void ShowModemControls(bool on) override {
        modemControls_ = on;
        Touch();
    }

    bool CommandsEnabled() const { return commandsEnabled_; }
    const std::string& SendText() const { return sendText_; }
    const std::string& ReceiveText() const { return receiveText_; }
    const std::string& MessageText() const { return messageText_; }
    bool ModemControlsShown() const { return modemControls_; }
    // Grows with every change of the page's state, so a view knows when to redraw.
    std::uint64_t Revision() const { return revision_; }

protected:
    ConnectionEngine& Engine() { return engine_; }
    const ConnectionEngine& Engine() const { return engine_; }
    void Touch() { ++revision_; }
    void Error(const std::string& text) { engine_.Messages().Error(text); }
    void Info(const std::string& text) { engine_.Messages().Info(text); }
    // Every unit command starts here: false (and the message) when not connected.
    bool CheckConnected() {
        if (engine_.Connected()) return true;
        Error(kDisconnectedMessage);
        return false;
    }
    // Read-all commands are refused where each frame costs money (modem mode).
    bool CheckReadAllAllowed() {
        if (!CheckConnected()) return false;
        if (!engine_.PaysPerFrame()) return true;
        Info(kUnsupportedInModem);
        return false;
    }

private:
    ConnectionEngine& engine_;
    bool commandsEnabled_ = false;
    bool modemControls_ = false;
    std::string sendText_, receiveText_, messageText_;
    std::uint64_t revision_ = 0;
};

}  // namespace dorvik
