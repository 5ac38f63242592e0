#pragma once
// Modem mode: unit commands travel as short messages through a GSM modem to
// the unit's phone number, and the unit's answers come back as the bodies
// of the messages the modem announces.
#include <string>

#include "platform/link.h"
#include "platform/message_box.h"
#include "platform/ui_dispatcher.h"
#include "transport/gsm_modem.h"
#include "transport/modem_receiver.h"

namespace dorvik {

class ModemMode : public Link, private ModemHost {
public:
    ModemMode(UiDispatcher& ui, MessageBox& box);
    ~ModemMode() override;
    ModemMode(const ModemMode&) = delete;
    ModemMode& operator=(const ModemMode&) = delete;

    // PDU mode instead of text mode, from the next connection on.
    void UsePduMode(bool on);
    // The unit's phone number and the service centre, as Open takes them.
    void Configure(const LinkSettings& settings);

    GSMModem& Modem() { return modem_; }
    ModemReceiver& Receiver() { return receiver_; }

    LinkKind Kind() const override { return LinkKind::Modem; }
    void SetListener(LinkListener* listener) override { listener_ = listener; }
    // Opens the modem's port and starts the modem test; the link is up once
    // the modem answered it.
    bool Open(const LinkSettings& settings) override;
    std::string OpenError() const override { return modem_.LastOpenError(); }
    std::string SilenceError() const override { return silenceError_; }
    void Close() override;
    // Sends the frame as a short message to the unit.
    bool Send(const std::string& frame, int requestCode, const std::string& ack) override;

private:
    void ModemReady() override;
    void SetActivity(LinkActivity activity) override;
    void ShowReceived(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void OnCommandWritten(const std::string& text) override;
    void OnUnitMessage(const std::string& body) override;
    std::string UnitPhone() const override { return unitPhone_; }

    // Built before the modem it refers to: it does not use the modem while
    // being built, and the modem, destroyed first, stops its notifications.
    ModemReceiver receiver_;
    GSMModem modem_;
    LinkListener* listener_ = nullptr;
    std::string unitPhone_;
    std::string silenceError_;
};

}  // namespace dorvik
