#pragma once
// What the connection engine and the reply handlers may ask of the pages.
// The page classes implement these; tests use recording fakes.
#include <ctime>
#include <string>

namespace dorvik {

// Operations every tab page offers.
class TabPage {
public:
    virtual ~TabPage() = default;
    // Enables or disables the page's unit command buttons.
    virtual void EnablePageCommands(bool on) = 0;
    virtual void SetSendText(const std::string& text) = 0;
    // An empty text leaves the Receive box unchanged.
    virtual void SetReceiveText(const std::string& text) = 0;
    virtual void SetMessageText(const std::string& text) = 0;
    virtual void ShowModemControls(bool on) = 0;
    // Stop: a running upload ends after the slot on its way.
    virtual void StopRunAfterSlot() {}
    // The link closed: a running upload ends now; its unsent slots stay Pending.
    virtual void EndRun() {}
};

// A page that owns a slot list and uploads it slot by slot.
class ListPageOps : public TabPage {
public:
    // Shows "Used n/N" after the list changed.
    virtual void ShowUsed() = 0;
    // The list's slot count changed (house count reported by the unit).
    virtual void SetSlotCount(int n) = 0;
    // Sends the next Pending slot of the running upload, or ends the run.
    virtual void DownloadNext() = 0;
};

// The two settings pages (single-relay and multi-relay unit).
class SettingsPage : public TabPage {
public:
    virtual void SetUnitNameAndVersion(const std::string& name, const std::string& version,
                                       bool confirm) = 0;
    virtual void SetUnitTime(const std::tm& time) = 0;
    virtual void SetBandText(const std::string& band) = 0;
    virtual void SetClockUpdate(bool enabled, const std::string& phone) = 0;
    virtual void SetRelayMode(int mode) = 0;
    virtual void SetReception(int value) = 0;
    virtual void SetDelay(int value) = 0;
    virtual void ApplyStatusReply(const std::string& reply) = 0;
    virtual void ApplyAlarmContentReply(const std::string& reply) = 0;
    // Relay outputs of the seven-relay unit; the single-relay page ignores it.
    virtual void ApplyRelayStatus(const std::string& text) = 0;
    // The new password of the last password change, kept until confirmed.
    virtual std::string PendingPassword() const = 0;
};

// The log page's view of the caller log.
class LogViewOps {
public:
    virtual ~LogViewOps() = default;
    virtual void AddLogEntry(const std::string& time, const std::string& number,
                             const std::string& name, int index) = 0;
};

}  // namespace dorvik
