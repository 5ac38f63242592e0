#pragma once
// Opens and closes the link to the unit, sends one command at a time,
// collects reply lines, supervises answers with two timers and drives the
// pages' command buttons, the activity LED and the status-bar text.
#include <array>
#include <memory>
#include <string>

#include "platform/indicator.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/serial_device.h"
#include "platform/status_pane.h"
#include "platform/timer.h"
#include "protocol/link_params.h"
#include "protocol/modem_link.h"
#include "protocol/page_ops.h"
#include "protocol/run_meter.h"
#include "protocol/serial_reply_sink.h"

namespace dorvik {

enum class PageRole { Phone, Special, Alarm, Msic, Log, MultiRelay, House };
inline constexpr int kPageRoleCount = 7;

// Activity LED states.
enum class LedState { Off = 0, Idle = 1, Busy = 2, Modem = 3 };

struct EngineSeams {
    SerialDevice& serial;
    ModemLink* modem;  // may be null until modem mode exists
    TimerFactory& timers;
    MessageBox& messages;
    Indicator& indicator;
    ProgressBar& progress;
    StatusPane& status;
};

class ConnectionEngine : public SerialListener {
public:
    static constexpr int kSerialReplyMs = 3000;
    static constexpr int kReadAllMs = 2000;
    static constexpr int kBlinkMs = 400;
    static constexpr int kFlashMs = 200;
    static constexpr int kMaxSilentTicks = 4;
    // The modem reply time-out from the settings file, kept to a usable range.
    static constexpr int kMinModemReplySec = 1;
    static constexpr int kMaxModemReplySec = 3600;

    explicit ConnectionEngine(EngineSeams seams);
    ~ConnectionEngine() override;

    void SetParams(const LinkParams& params) { params_ = params; }
    const LinkParams& Params() const { return params_; }
    void SetReplySink(SerialReplySink* sink) { sink_ = sink; }
    void RegisterPage(PageRole role, TabPage* page);
    TabPage* Page(PageRole role) const { return pages_[static_cast<int>(role)]; }

    // The menu command "Connect/Disconnect to Unit".
    void OnConnectCommand();
    void StartLink(const std::string& unitId, bool on);
    void SetConnected(bool on);
    // The modem answered its test: the link is up.
    void ModemReady();

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

    // SerialListener: bytes and written texts of the open driver.
    void OnSerialByte(unsigned char byte, int port) override;
    void OnCommandWritten(const std::string& text) override;

    bool Connected() const { return connected_; }
    bool LinkActive() const { return linkActive_; }
    bool ModemMode() const { return params_.modemMode; }
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
    SerialDevice& Serial() { return seams_.serial; }
    TimerFactory& Timers() { return seams_.timers; }
    // "n of m" and the time left of the running upload or read-all.
    RunMeter& Meter() { return meter_; }

private:
    bool CheckConnectParams();
    void ConnectSerial();
    void ConnectModem();
    void StopOpenDriver();
    void EndSupervision();
    void OnReplyTick();
    void OnReadAllTick();
    bool ResendSilent();
    void GiveUp(Timer& timer);
    void OnBlinkTick();
    template <typename Fn>
    void ForEachPage(Fn fn);

    EngineSeams seams_;
    LinkParams params_;
    SerialReplySink* sink_ = nullptr;
    std::array<TabPage*, kPageRoleCount> pages_{};
    std::unique_ptr<Timer> replyTimer_, readAllTimer_, blinkTimer_, flashTimer_;
    RunMeter meter_;

    bool connected_ = false;
    bool linkActive_ = false;
    bool replySeen_ = false;
    bool firstLineSeen_ = false;
    bool modemRoute_ = false;
    // A stopped read-all: its remaining lines are dropped until the next command.
    bool dropReplies_ = false;
    int retryCount_ = 0;
    int linkGeneration_ = 0;
    int activeSettingsPage_ = 1;
    std::string receiveLine_;
    LedState led_ = LedState::Off;
};

}  // namespace dorvik
