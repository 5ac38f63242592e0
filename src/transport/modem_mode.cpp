#include "transport/modem_mode.h"

namespace dorvik {

ModemMode::ModemMode(UiDispatcher& ui, MessageBox& box)
    : receiver_(modem_, *this), modem_(receiver_, ui, box) {}

ModemMode::~ModemMode() = default;

void ModemMode::Attach(ConnectionEngine& engine, ReplyHandlers& replies) {
    engine_ = &engine;
    replies_ = &replies;
}

void ModemMode::UsePduMode(bool on) { receiver_.UseMessageFormat(on ? kPduFormat : kTextFormat); }

bool ModemMode::OpenPort(const PortSettings& settings) {
    receiver_.Reset();
    return modem_.OpenPort(settings);
}

void ModemMode::StopMonitor() {
    modem_.StopMonitor();
    receiver_.Reset();
}

void ModemMode::SendUnitCommand(const std::string& frame, int requestCode,
                                const std::string& ack) {
    if (!engine_) return;
    modem_.SetSmsRequest(requestCode, ack);
    receiver_.SendMessage(engine_->Params().unitPhone, frame);
}

void ModemMode::ModemReady() {
    if (engine_) engine_->ModemReady();
}

void ModemMode::SetIndicator(LedState state) {
    if (engine_) engine_->SetIndicator(state);
}

void ModemMode::ShowReceived(const std::string& text) {
    if (engine_) engine_->ShowReceived(text);
}

void ModemMode::ShowMessage(const std::string& text) {
    if (engine_) engine_->ShowMessage(text);
}

void ModemMode::ShowError(const std::string& text) {
    if (engine_) engine_->Messages().Error(text);
}

void ModemMode::OnCommandWritten(const std::string& text) {
    if (engine_) engine_->OnCommandWritten(text);
}

// The answer counts as the one the reply timer waits for; the pages are
// ready for the next command before reply handling looks at it.
void ModemMode::OnUnitMessage(const std::string& body) {
    if (!engine_ || !replies_) return;
    engine_->Progress().Hide();
    engine_->EnableAllPages(true);
    engine_->SetIndicator(LedState::Idle);
    engine_->ShowMessage(body);
    engine_->MarkReplySeen();
    replies_->DispatchMessageReply(body, modem_.SmsRequestCode(), modem_.SmsExpectedReply());
}

std::string ModemMode::UnitPhone() const { return engine_ ? engine_->Params().unitPhone : ""; }

}  // namespace dorvik
