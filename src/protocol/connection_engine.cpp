#include "protocol/connection_engine.h"

#include <algorithm>

#include "protocol/catalogue.h"

namespace dorvik {
namespace {

const char kDisconnected[] = "Disconnected from unit";
const char kGaveUp[] = "Connect device fialed,Please check device!";

}  // namespace

ConnectionEngine::ConnectionEngine(EngineSeams seams)
    : seams_(seams),
      replyTimer_(seams.timers.CreateTimer()),
      readAllTimer_(seams.timers.CreateTimer()),
      blinkTimer_(seams.timers.CreateTimer()),
      flashTimer_(seams.timers.CreateTimer()),
      meter_(seams.timers, seams.progress) {}

ConnectionEngine::~ConnectionEngine() = default;

void ConnectionEngine::RegisterPage(PageRole role, TabPage* page) {
    pages_[static_cast<int>(role)] = page;
}

template <typename Fn>
void ConnectionEngine::ForEachPage(Fn fn) {
    for (TabPage* p : pages_)
        if (p) fn(*p);
}

void ConnectionEngine::EnableAllPages(bool on) {
    ForEachPage([on](TabPage& p) { p.EnablePageCommands(on); });
}

void ConnectionEngine::ShowReceived(const std::string& text) {
    ForEachPage([&text](TabPage& p) { p.SetReceiveText(text); });
}

void ConnectionEngine::ShowMessage(const std::string& text) {
    ForEachPage([&text](TabPage& p) { p.SetMessageText(text); });
}

void ConnectionEngine::OnCommandWritten(const std::string& text) {
    ForEachPage([&text](TabPage& p) { p.SetSendText(text); });
}

// --- Connect / disconnect -------------------------------------------------

bool ConnectionEngine::CheckConnectParams() {
    const char* problem = nullptr;
    if (params_.password.empty())
        problem = "Please enter password";
    else if (params_.unitId.empty())
        problem = "Please enter unit ID";
    else if (params_.port.port == 0 && params_.port.devicePath.empty())
        problem = "Please select COM port";
    if (problem) seams_.messages.Error(problem);
    return problem == nullptr;
}

void ConnectionEngine::OnConnectCommand() {
    if (!CheckConnectParams()) return;
    if (params_.modemMode)
        ConnectModem();
    else
        ConnectSerial();
}

void ConnectionEngine::ConnectSerial() {
    if (linkActive_) {
        auto answer = seams_.messages.Show(std::string(kDisconnected) + "?", kCaption,
                                           MsgIcon::Question, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) StartLink(params_.unitId, false);
        return;
    }
    if (!seams_.serial.OpenPort(params_.port)) {
        std::string text = "Cannot open COM" + std::to_string(params_.port.port);
        std::string why = seams_.serial.LastOpenError();
        seams_.messages.Error(why.empty() ? text : text + "\n" + why);
        return;
    }
    modemRoute_ = false;
    seams_.serial.StartMonitor();
    StartLink(params_.unitId, true);
}

void ConnectionEngine::ConnectModem() {
    if (!seams_.modem) return;
    if (linkActive_) {
        auto answer = seams_.messages.Show(kDisconnected, kCaption, MsgIcon::Question,
                                           MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            SetConnected(false);
            ForEachPage([](TabPage& p) { p.ShowModemControls(false); });
        }
        return;
    }
    if (!seams_.modem->OpenPort(params_.port)) {
        std::string text = "Cannot open COM" + std::to_string(params_.port.port);
        std::string why = seams_.modem->LastOpenError();
        seams_.messages.Error(why.empty() ? text : text + "\n" + why);
        return;
    }
    modemRoute_ = true;
    seams_.modem->StartMonitor();
    seams_.modem->StartModemTest();
    ForEachPage([](TabPage& p) { p.ShowModemControls(true); });
}

void ConnectionEngine::ModemReady() {
    linkActive_ = true;
    SetIndicator(LedState::Idle);
    SetConnected(true);
}

void ConnectionEngine::StartLink(const std::string& unitId, bool on) {
    if (!params_.tavrin) {
        SetConnected(on);
        return;
    }
    ForEachPage([](TabPage& p) { p.ShowModemControls(false); });
    const Request r = on ? ProgRf(params_.password, unitId) : ProgQuit(params_.password, unitId);
    seams_.serial.Send(WithLineEnd(r), r.code, r.ack);
    if (on) StartReplyTimer();
}

void ConnectionEngine::SetConnected(bool on) {
    ++linkGeneration_;
    if (!on) {
        EndSupervision();
        EnableAllPages(false);
        StopOpenDriver();
        SetIndicator(LedState::Off);
        seams_.status.SetConnectionText(kDisconnected);
        linkActive_ = false;
        connected_ = false;
        return;
    }
    seams_.status.SetConnectionText("ID:" + params_.unitId + " is connected...");
    connected_ = true;
    EnableAllPages(true);
    SetIndicator(LedState::Idle);
    linkActive_ = true;
    // Each short message costs money: the house count is asked on the cable only.
    if (modemRoute_) return;
    const Request r = HousesQuery(params_.password);
    seams_.serial.Send(WithLineEnd(r), r.code, r.ack);
    StartReplyTimer();
}

// A closed link answers nothing: its timers stop, so that no resend and no
// failure follows a disconnect, and its runs end with their slots as they are.
void ConnectionEngine::EndSupervision() {
    replyTimer_->Stop();
    readAllTimer_->Stop();
    retryCount_ = 0;
    ForEachPage([](TabPage& p) { p.EndRun(); });
    meter_.End();
    seams_.progress.Hide();
}

void ConnectionEngine::StopOpenDriver() {
    if (modemRoute_) {
        if (seams_.modem) seams_.modem->StopMonitor();
    } else {
        seams_.serial.StopMonitor();
    }
}

// --- Requests and supervision ---------------------------------------------

void ConnectionEngine::SetBusy(bool busy) {
    for (int i = 0; i < kPageRoleCount; ++i) {
        if (static_cast<PageRole>(i) == PageRole::House || !pages_[i]) continue;
        pages_[i]->EnablePageCommands(!busy);
    }
    if (busy) {
        StartReplyTimer();
        SetIndicator(LedState::Busy);
    } else {
        SetIndicator(LedState::Idle);
    }
}

void ConnectionEngine::SendRequest(const std::string& frame, int requestCode,
                                   const std::string& ack) {
    dropReplies_ = false;
    if (modemRoute_) {
        if (seams_.modem) seams_.modem->SendUnitCommand(frame, requestCode, ack);
        return;
    }
    seams_.serial.Send(frame + "\r\n", requestCode, ack);
}

void ConnectionEngine::StartReplyTimer() {
    replySeen_ = false;
    retryCount_ = 0;
    int modemSec = std::clamp(params_.replyTimeoutSec, kMinModemReplySec, kMaxModemReplySec);
    int ms = modemRoute_ ? modemSec * 1000 : kSerialReplyMs;
    replyTimer_->Start(ms, true, [this] { OnReplyTick(); });
}

void ConnectionEngine::BeginReadAll() {
    // The read-all timer alone supervises the read: a reply timer still
    // running from the command before would find the answer flag cleared
    // and send the read again.
    replyTimer_->Stop();
    replySeen_ = false;
    retryCount_ = 0;
    SetIndicator(LedState::Busy);
    readAllTimer_->Start(kReadAllMs, true, [this] { OnReadAllTick(); });
    meter_.Begin(0);
}

// The read counts as ended here, but its lines may go on arriving: the
// meter goes on counting them until they stop.
void ConnectionEngine::EndReadAll() {
    readAllTimer_->Stop();
    EnableAllPages(true);
    seams_.progress.Hide();
}

void ConnectionEngine::StopRuns() {
    ForEachPage([](TabPage& p) { p.StopRunAfterSlot(); });
    // A read ends at once, and so does a command the unit let a tick pass
    // without answering: a silent unit is not waited for.
    const bool reading = ReadAllRunning();
    if (!reading && retryCount_ == 0) return;
    dropReplies_ = reading;
    receiveLine_.clear();
    EndSupervision();
    EnableAllPages(true);
    SetIndicator(LedState::Idle);
}

bool ConnectionEngine::ResendSilent() {
    ++retryCount_;
    if (retryCount_ >= kMaxSilentTicks) {
        retryCount_ = 0;
        return false;
    }
    // A silent short message is not sent again: each one costs money.
    if (!modemRoute_) {
        SerialDevice& s = seams_.serial;
        s.Resend(s.LastCommand(), s.RequestCode(), s.ExpectedReply());
    }
    return true;
}

void ConnectionEngine::OnReplyTick() {
    if (replySeen_) {
        replyTimer_->Stop();
        return;
    }
    if (ResendSilent()) return;
    seams_.messages.Show(kGaveUp, "", MsgIcon::None, MsgButtons::Ok);
    replyTimer_->Stop();
    EnableAllPages(false);
    seams_.progress.Hide();
    bool modem = modemRoute_;
    SetConnected(false);
    linkActive_ = false;
    seams_.messages.Error(modem ? "Didn't receive response message" : kDisconnected);
}

void ConnectionEngine::OnReadAllTick() {
    if (replySeen_) {
        EndReadAll();
        replySeen_ = false;
        SetIndicator(LedState::Idle);
        return;
    }
    if (ResendSilent()) return;
    readAllTimer_->Stop();
    EnableAllPages(false);
    seams_.progress.Hide();
    SetIndicator(LedState::Off);
    SetConnected(false);
    seams_.messages.Error("Communication failed,please try again");
}

// --- Receiving ------------------------------------------------------------

void ConnectionEngine::OnSerialByte(unsigned char byte, int port) {
    replySeen_ = true;
    retryCount_ = 0;
    if (port != params_.port.port) return;
    int code = seams_.serial.RequestCode();
    if (dropReplies_ || code < 1 || code > 39 || !sink_ || !sink_->Collects(code)) return;
    if (byte == '\n' && meter_.CountsLines()) meter_.Step();
    sink_->OnByte(code, byte, receiveLine_);
    ShowReceived(receiveLine_);
}

// --- Activity LED -----------------------------------------------------------

void ConnectionEngine::SetIndicator(LedState state) {
    led_ = state;
    flashTimer_->Stop();
    if (state == LedState::Off || state == LedState::Idle) {
        blinkTimer_->Stop();
        seams_.indicator.SetLed(LedColour::Green, state == LedState::Idle);
        return;
    }
    blinkTimer_->Start(kBlinkMs, true, [this] { OnBlinkTick(); });
}

void ConnectionEngine::OnBlinkTick() {
    LedColour colour = led_ == LedState::Modem ? LedColour::Yellow : LedColour::Green;
    seams_.indicator.SetLed(colour, true);
    flashTimer_->Start(kFlashMs, false,
                       [this, colour] { seams_.indicator.SetLed(colour, false); });
}

}  // namespace dorvik
