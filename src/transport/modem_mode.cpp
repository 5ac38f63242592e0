#include "transport/modem_mode.h"

#include "transport/port_errors.h"
#include "transport/port_names.h"

namespace dorvik {

ModemMode::ModemMode(UiDispatcher& ui, MessageBox& box)
    : receiver_(modem_, *this), modem_(receiver_, ui, box) {}

ModemMode::~ModemMode() = default;

void ModemMode::UsePduMode(bool on) { receiver_.UseMessageFormat(on ? kPduFormat : kTextFormat); }

void ModemMode::Configure(const LinkSettings& settings) {
    unitPhone_ = settings.unitPhone;
    modem_.SetMessageCentre(settings.messageCentre);
}

bool ModemMode::Open(const LinkSettings& settings) {
    Configure(settings);
    silenceError_ = DescribeSilentModem(DevicePathFor(settings.port));
    receiver_.Reset();
    if (!modem_.OpenPort(settings.port)) return false;
    modem_.StartMonitor();
    receiver_.Start();
    return true;
}

void ModemMode::Close() {
    modem_.StopMonitor();
    receiver_.Reset();
}

bool ModemMode::Send(const std::string& frame, int, const std::string&) {
    receiver_.SendMessage(unitPhone_, frame);
    return true;
}

void ModemMode::ModemReady() {
    if (listener_) listener_->OnLinkUp();
}

void ModemMode::SetActivity(LinkActivity activity) {
    if (listener_) listener_->OnActivity(activity);
}

void ModemMode::ShowReceived(const std::string& text) {
    if (listener_) listener_->OnReceivedText(text);
}

void ModemMode::ShowMessage(const std::string& text) {
    if (listener_) listener_->OnMessageText(text);
}

void ModemMode::ShowError(const std::string& text) {
    if (listener_) listener_->OnLinkError(text);
}

void ModemMode::OnCommandWritten(const std::string& text) {
    if (listener_) listener_->OnWritten(text);
}

void ModemMode::OnUnitMessage(const std::string& body) {
    if (listener_) listener_->OnReplyMessage(body);
}

}  // namespace dorvik
