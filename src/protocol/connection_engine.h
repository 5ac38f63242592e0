#pragma once
// Opens and closes the link to the unit, sends one command at a time and
// keeps it as the pending request, collects reply lines, supervises answers
// with two timers and drives the pages' command buttons, the activity LED
// and the status-bar text.
#include <array>
#include <memory>
#include <string>

#include "platform/indicator.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/link.h"
#include "platform/status_pane.h"
#include "platform/timer.h"
#include "protocol/link_params.h"
#include "protocol/page_ops.h"
#include "protocol/request.h"
#include "protocol/run_meter.h"
#include "protocol/reply_sink.h"

namespace dorvik {

enum class PageRole { Phone, Special, Alarm, Msic, Log, MultiRelay, House };
inline constexpr int kPageRoleCount = 7;

// Activity LED states.
enum class LedState { Off = 0, Idle = 1, Busy = 2, Modem = 3 };

struct EngineSeams {
    Link& link;
    TimerFactory& timers;
    MessageBox& messages;
    Indicator& indicator;
    ProgressBar& progress;
    StatusPane& status;
};

// The one command the unit is expected to answer.
struct PendingRequest {
    std::string frame;  // without line end
    int code = 0;       // RequestCode: selects the reply handler
    std::string ack;    // the reply that confirms it; empty for queries
};

class ConnectionEngine : public LinkListener {
public:
    static constexpr int kSerialReplyMs = 3000;
    static constexpr int kReadAllMs = 2000;
    static constexpr int kBlinkMs = 400;
    static constexpr int kFlashMs = 200;
    // How long an opened modem gets to answer its test before the link is
    // given up as silent.
    static constexpr int kLinkUpMs = 5000;
    static constexpr int kMaxSilentTicks = 4;
    // The modem reply time-out from the settings file, kept to a usable range.
    static constexpr int kMinModemReplySec = 1;
    static constexpr int kMaxModemReplySec = 3600;

    explicit ConnectionEngine(EngineSeams seams);
    ~ConnectionEngine() override;

    void SetParams(const LinkParams& params) { params_ = params; }
    const LinkParams& Params() const { return params_; }
    void SetReplySink(ReplySink* sink) { sink_ = sink; }
    void RegisterPage(PageRole role, TabPage* page);
    TabPage* Page(PageRole role) const { return pages_[static_cast<int>(role)]; }

    // The menu command "Connect/Disconnect to Unit".
    void OnConnectCommand();
    void StartLink(const std::string& unitId, bool on);
    void SetConnected(bool on);
    // Closes the link and nothing else (the unit refused the unit ID).
    void CloseLink() { seams_.link.Close(); }

    void SetBusy(bool busy);
    void SendRequest(const std::string& frame, int requestCode, const std::string& ack);
    void StartReplyTimer();
    void BeginReadAll();
    void EndReadAll();
    // Stop: an upload ends after the slot on its way (at once when the unit
    // is silent), a read-all at once (lines still on their way are not
    // taken). Nothing counts as failed.
    void StopRuns();
    // A read-all is supervised, or its lines are still arriving.
    bool ReadAllRunning() const { return readAllTimer_->IsActive() || meter_.CountsLines(); }
    void SetIndicator(LedState state);
    // Every page's Receive box.
    void ShowReceived(const std::string& text);
    // Every page's Message box (modem mode).
    void ShowMessage(const std::string& text);
    // Every page's command buttons.
    void EnableAllPages(bool on);

    // LinkListener: what the open link reports.
    void OnReplyByte(unsigned char byte) override;
    void OnReplyMessage(const std::string& body) override;
    void OnLinkUp() override;
    void OnWritten(const std::string& text) override;
    void OnReceivedText(const std::string& text) override { ShowReceived(text); }
    void OnMessageText(const std::string& text) override { ShowMessage(text); }
    void OnLinkError(const std::string& text) override;
    void OnActivity(LinkActivity activity) override;

    bool Connected() const { return connected_; }
    bool LinkActive() const { return linkActive_; }
    bool ModemMode() const { return params_.modemMode; }
    // Every frame on the link is a short message that costs money: the
    // pages send one slot per press and read no whole lists.
    bool PaysPerFrame() const;
    const std::string& Password() const { return params_.password; }
    void SetPassword(const std::string& pw) { params_.password = pw; }
    bool FirstLineSeen() const { return firstLineSeen_; }
    void SetFirstLineSeen(bool on) { firstLineSeen_ = on; }
    int ActiveSettingsPage() const { return activeSettingsPage_; }
    void SetActiveSettingsPage(int page) { activeSettingsPage_ = page; }
    bool ReplySeen() const { return replySeen_; }
    // A run that found nothing to send marks the answer seen, so the reply
    // timer stops at its next tick.
    void MarkReplySeen() { replySeen_ = true; }
    int RetryCount() const { return retryCount_; }
    // Grows each time the link opens or closes, so that work scheduled on one
    // link can tell that it would run on another.
    int LinkGeneration() const { return linkGeneration_; }
    LedState Indicator() const { return led_; }
    ProgressBar& Progress() { return seams_.progress; }
    MessageBox& Messages() { return seams_.messages; }
    // The command last sent, whose answer the reply handlers judge.
    const PendingRequest& Pending() const { return pending_; }
    TimerFactory& Timers() { return seams_.timers; }
    // "n of m" and the time left of the running upload or read-all.
    RunMeter& Meter() { return meter_; }

private:
    struct Behaviour;
    // How the unit behaves on the link in use.
    const Behaviour& OnLink() const;
    bool CheckConnectParams();
    void AskToDisconnect();
    void LinkOpened();
    void Send(const Request& request);
    int ReplyTimeoutMs() const;
    void EndSupervision();
    void OnReplyTick();
    void OnLinkSilent();
    void OnReadAllTick();
    bool ResendSilent();
    void GiveUp(Timer& timer);
    void OnBlinkTick();
    template <typename Fn>
    void ForEachPage(Fn fn);

    EngineSeams seams_;
    LinkParams params_;
    ReplySink* sink_ = nullptr;
    PendingRequest pending_;
    std::array<TabPage*, kPageRoleCount> pages_{};
    std::unique_ptr<Timer> replyTimer_, readAllTimer_, blinkTimer_, flashTimer_, linkUpTimer_;
    RunMeter meter_;

    bool connected_ = false;
    bool linkActive_ = false;
    bool replySeen_ = false;
    bool firstLineSeen_ = false;
    // A stopped read-all: its remaining lines are dropped until the next command.
    bool dropReplies_ = false;
    int retryCount_ = 0;
    int linkGeneration_ = 0;
    int activeSettingsPage_ = 1;
    std::string receiveLine_;
    LedState led_ = LedState::Off;
};

}  // namespace dorvik
