#pragma once
// The part every tab page shares: the Send, Receive and Message boxes, the
// enabled state of its unit command buttons, and the connection check that
// precedes every unit command.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "protocol/connection_engine.h"
#include "protocol/page_ops.h"

namespace dorvik {

inline constexpr const char kDisconnectedMessage[] = "You are disconnected from the unit";
inline constexpr const char kUnsupportedInModem[] = "Unsupported in modem mode";

// Tells the view drawing some state that the state changed, so that the
// view redraws when told instead of looking again and again. Every change
// moves the revision and calls the listener at once; a view that redraws
// later (once per turn of its event loop) uses the revision to skip work.
class ChangeNotice {
public:
    // The one listener (a page has one view); null: nobody listens.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // Grows with every change of the state.
    std::uint64_t Revision() const { return revision_; }

protected:
    ChangeNotice() = default;
    ~ChangeNotice() = default;
    // Every operation that changes what a view shows ends here.
    void Touch() {
        ++revision_;
        if (listener_) listener_();
    }

private:
    std::function<void()> listener_;
    std::uint64_t revision_ = 0;
};

template <class Ops>
class PageState : public Ops, public ChangeNotice {
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

protected:
    ConnectionEngine& Engine() { return engine_; }
    const ConnectionEngine& Engine() const { return engine_; }
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
};

}  // namespace dorvik
