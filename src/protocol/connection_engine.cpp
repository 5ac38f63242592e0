#include "protocol/connection_engine.h"

#include <algorithm>

#include "protocol/catalogue.h"

namespace dorvik {
namespace {

const char kDisconnected[] = "Disconnected from unit";
const char kGaveUp[] = "Connect device fialed,Please check device!";

// The frame of a catalogue request without the line end some formats carry:
// the serial link adds its own.
std::string BareFrame(const Request& r) {
    return r.hasLineEnd ? r.frame.substr(0, r.frame.size() - 2) : r.frame;
}

}  // namespace

// Where the unit behaves differently on the two links: one row per link.
struct ConnectionEngine::Behaviour {
    // A cable is usable once the port is open; a modem once it answered its
    // test, while the pages show their modem controls.
    bool upWhenOpened;
    // Every frame is a short message that costs money: a silent command is
    // not sent again, and the house count is not asked on connecting.
    bool paysPerFrame;
    // How long the unit gets to answer; 0: the configured reply time-out.
    int replyTimeoutMs;
    const char* disconnectQuestion;
    // Shown when the unit stayed silent and the link was closed.
    const char* silenceError;
};

const ConnectionEngine::Behaviour& ConnectionEngine::OnLink() const {
    // Indexed by LinkKind.
    static const Behaviour kRows[] = {
        {true, false, kSerialReplyMs, "Disconnected from unit?", kDisconnected},
        {false, true, 0, kDisconnected, "Didn't receive response message"},
    };
    static_assert(static_cast<int>(LinkKind::Serial) == 0 && static_cast<int>(LinkKind::Modem) == 1);
    return kRows[static_cast<int>(seams_.link.Kind())];
}

bool ConnectionEngine::PaysPerFrame() const { return OnLink().paysPerFrame; }

ConnectionEngine::ConnectionEngine(EngineSeams seams)
    : seams_(seams),
      replyTimer_(seams.timers.CreateTimer()),
      readAllTimer_(seams.timers.CreateTimer()),
      blinkTimer_(seams.timers.CreateTimer()),
      flashTimer_(seams.timers.CreateTimer()),
      linkUpTimer_(seams.timers.CreateTimer()),
      meter_(seams.timers, seams.progress) {
    seams_.link.SetListener(this);
}

ConnectionEngine::~ConnectionEngine() { seams_.link.SetListener(nullptr); }

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

void ConnectionEngine::OnWritten(const std::string& text) {
    ForEachPage([&text](TabPage& p) { p.SetSendText(text); });
}

void ConnectionEngine::OnLinkError(const std::string& text) { seams_.messages.Error(text); }

void ConnectionEngine::OnActivity(LinkActivity activity) {
    SetIndicator(activity == LinkActivity::Idle ? LedState::Idle : LedState::Modem);
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
    if (linkActive_) {
        AskToDisconnect();
        return;
    }
    if (!seams_.link.Open(params_)) {
        std::string text = "Cannot open COM" + std::to_string(params_.port.port);
        std::string why = seams_.link.OpenError();
        seams_.messages.Error(why.empty() ? text : text + "\n" + why);
        return;
    }
    LinkOpened();
}

void ConnectionEngine::LinkOpened() {
    if (OnLink().upWhenOpened) {
        StartLink(params_.unitId, true);
        return;
    }
    ForEachPage([](TabPage& p) { p.ShowModemControls(true); });
    linkUpTimer_->Start(kLinkUpMs, false, [this] { OnLinkSilent(); });
}

// The link was opened but never came up: close it and say why.
void ConnectionEngine::OnLinkSilent() {
    linkUpTimer_->Stop();
    if (linkActive_) return;
    const std::string why = seams_.link.SilenceError();
    SetConnected(false);
    ForEachPage([](TabPage& p) { p.ShowModemControls(false); });
    seams_.messages.Error(why.empty() ? kGaveUp : why);
}

void ConnectionEngine::AskToDisconnect() {
    const Behaviour& b = OnLink();
    auto answer =
        seams_.messages.Show(b.disconnectQuestion, kCaption, MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) return;
    if (b.upWhenOpened) {
        StartLink(params_.unitId, false);
        return;
    }
    SetConnected(false);
    ForEachPage([](TabPage& p) { p.ShowModemControls(false); });
}

void ConnectionEngine::OnLinkUp() {
    linkUpTimer_->Stop();
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
    Send(on ? ProgRf(params_.password, unitId) : ProgQuit(params_.password, unitId));
    if (on) StartReplyTimer();
}

void ConnectionEngine::SetConnected(bool on) {
    ++linkGeneration_;
    if (!on) {
        EndSupervision();
        EnableAllPages(false);
        seams_.link.Close();
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
    if (OnLink().paysPerFrame) return;
    Send(HousesQuery(params_.password));
    StartReplyTimer();
}

// A closed link answers nothing: its timers stop, so that no resend and no
// failure follows a disconnect, and its runs end with their slots as they are.
void ConnectionEngine::EndSupervision() {
    replyTimer_->Stop();
    linkUpTimer_->Stop();
    readAllTimer_->Stop();
    retryCount_ = 0;
    ForEachPage([](TabPage& p) { p.EndRun(); });
    meter_.End();
    seams_.progress.Hide();
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
    if (seams_.link.Send(frame, requestCode, ack)) pending_ = {frame, requestCode, ack};
}

void ConnectionEngine::Send(const Request& r) {
    const std::string frame = BareFrame(r);
    if (seams_.link.Send(frame, r.code, r.ack)) pending_ = {frame, r.code, r.ack};
}

int ConnectionEngine::ReplyTimeoutMs() const {
    if (int ms = OnLink().replyTimeoutMs) return ms;
    return std::clamp(params_.replyTimeoutSec, kMinModemReplySec, kMaxModemReplySec) * 1000;
}

void ConnectionEngine::StartReplyTimer() {
    replySeen_ = false;
    retryCount_ = 0;
    replyTimer_->Start(ReplyTimeoutMs(), true, [this] { OnReplyTick(); });
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
    if (!OnLink().paysPerFrame) seams_.link.Send(pending_.frame, pending_.code, pending_.ack);
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
    const char* why = OnLink().silenceError;
    SetConnected(false);
    linkActive_ = false;
    seams_.messages.Error(why);
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

void ConnectionEngine::OnReplyByte(unsigned char byte) {
    replySeen_ = true;
    retryCount_ = 0;
    const int code = pending_.code;
    if (dropReplies_ || code < 1 || code > 39 || !sink_ || !sink_->Collects(code)) return;
    if (byte == '\n' && meter_.CountsLines()) meter_.Step();
    sink_->OnByte(code, byte, receiveLine_);
    ShowReceived(receiveLine_);
}

// The answer counts as the one the reply timer waits for; the pages are
// ready for the next command before reply handling looks at it.
void ConnectionEngine::OnReplyMessage(const std::string& body) {
    seams_.progress.Hide();
    EnableAllPages(true);
    SetIndicator(LedState::Idle);
    ShowMessage(body);
    MarkReplySeen();
    if (sink_) sink_->DispatchMessageReply(body, pending_.code, pending_.ack);
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
