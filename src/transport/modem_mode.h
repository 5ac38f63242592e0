#pragma once
// Modem mode as the connection engine sees it: unit commands travel as short
// messages through a GSM modem, and the unit's answers come back to reply
// handling.
#include <string>

#include "protocol/connection_engine.h"
#include "protocol/modem_link.h"
#include "protocol/reply_handlers.h"
#include "transport/gsm_modem.h"
#include "transport/modem_receiver.h"

namespace dorvik {

class ModemMode : public ModemLink, private ModemHost {
public:
    ModemMode(UiDispatcher& ui, MessageBox& box);
    ~ModemMode() override;
    ModemMode(const ModemMode&) = delete;
    ModemMode& operator=(const ModemMode&) = delete;

    // The engine is built with this link, so it is bound afterwards; until
    // then nothing is reported and no command is sent.
    void Attach(ConnectionEngine& engine, ReplyHandlers& replies);
    // PDU mode instead of text mode, from the next connection on.
    void UsePduMode(bool on);
    // The SMS service centre used in PDU mode (from the settings file).
    void SetMessageCentre(const std::string& number) { modem_.SetMessageCentre(number); }

    GSMModem& Modem() { return modem_; }
    ModemReceiver& Receiver() { return receiver_; }

    bool OpenPort(const PortSettings& settings) override;
    std::string LastOpenError() const override { return modem_.LastOpenError(); }
    bool StartMonitor() override { return modem_.StartMonitor(); }
    void StopMonitor() override;
    void StartModemTest() override { receiver_.Start(); }
    void SendUnitCommand(const std::string& frame, int requestCode,
                         const std::string& ack) override;

private:
    void ModemReady() override;
    void SetIndicator(LedState state) override;
    void ShowReceived(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void OnCommandWritten(const std::string& text) override;
    void OnUnitMessage(const std::string& body) override;
    std::string UnitPhone() const override;

    // Built before the modem it refers to: it does not use the modem while
    // being built, and the modem, destroyed first, stops its notifications.
    ModemReceiver receiver_;
    GSMModem modem_;
    ConnectionEngine* engine_ = nullptr;
    ReplyHandlers* replies_ = nullptr;
};

}  // namespace dorvik
