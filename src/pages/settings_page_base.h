#pragma once
// What the single-relay page (CMsic) and the seven-relay page (CMultiRelay)
// share: the form, the commands both send, the local toggles, the page
// operations of reply handling and the copying between the form and the
// settings record that the project file stores.
#include <ctime>
#include <string>

#include "model/unit_settings.h"
#include "pages/page_state.h"
#include "pages/settings_form.h"
#include "pages/status_reply.h"
#include "platform/clock.h"
#include "protocol/request.h"

namespace dorvik {

inline constexpr const char kPasswordEmpty[] = "Current password is empty";
inline constexpr const char kNewPasswordEmpty[] =
    "New password is empty\r\nPlease Insert new password before  changing password";
inline constexpr const char kConfirmMismatch[] = "Confirm password is error";
// The interval stored for a disabled alarm input.
inline constexpr const char kDisabledInterval[] = "333";

template <class Record>
class SettingsPageBase : public PageState<SettingsPage> {
public:
    ~SettingsPageBase() override;

    // The controls; a view writes edits straight into them.
    SettingsForm& Form() { return form_; }
    const SettingsForm& Form() const { return form_; }
    const std::tm& PickerTime() const { return picker_; }
    void SetPickerTime(const std::tm& time);
    std::string PickerText() const { return FormatPickerText(picker_); }
    // 0 "Mode 0", 1 "Mode 1": the radios are the record's UnitMode.
    int RelayMode() const { return record_.UnitMode; }

    // Unit command buttons.
    void OnGetUnitName();
    void OnSetUnitName();
    void OnGetUnitTime();
    void OnSetUnitTime();
    void OnSetUnitPassword();
    void OnGetReception();
    void OnGetClockUpdate();
    void OnSetClockUpdate();
    void OnGetBand();
    void OnSetBand();
    void OnSetMode();
    void OnGetMode();
    void OnGetDelay();
    void OnSetAlarmMode();
    void OnSetAlarmContent();
    void OnGetDeviceStatus();

    // Local controls; nothing is sent.
    void OnGetPcTime();
    void OnModeRadio(int mode);
    void OnAlarmToggle(int input);  // input 0 or 1
    void OnAlarmModeRadio(int input, bool phone);
    void OnBatteryToggle();

    // SettingsPage.
    void SetUnitNameAndVersion(const std::string& name, const std::string& version,
                               bool confirm) override;
    void SetUnitTime(const std::tm& time) override;
    void SetBandText(const std::string& band) override;
    void SetClockUpdate(bool enabled, const std::string& phone) override;
    void SetRelayMode(int mode) override;
    void SetReception(int value) override;
    void SetDelay(int value) override;
    void ApplyAlarmContentReply(const std::string& reply) override;
    void ApplyRelayStatus(const std::string&) override {}
    std::string PendingPassword() const override { return pendingPassword_; }

    // The controls into the settings record (before saving a project).
    void CollectSettings();
    // The settings record into the controls (after loading a project).
    void ApplySettings();

protected:
    // pageNumber: the ActiveSettingsPage value of this page's commands.
    SettingsPageBase(ConnectionEngine& engine, Record& record, const Clock& clock, PageRole role,
                     int pageNumber);

    // The send procedure of a unit command; a plain command skips the busy state.
    bool SendCommand(const Request& request, bool plain = false);
    const std::string& Pw() const { return Engine().Password(); }
    Record& Settings() { return record_; }
    const Record& Settings() const { return record_; }
    // Alarm texts, reception and alarm inputs of a status reply; the alarm
    // inputs go through the record's AlarmMode fields.
    void ApplyStatusCommon(const StatusReport& report);
    // The alarm inputs from the record's AlarmMode1 and AlarmMode2.
    void ApplyAlarmModes();

    virtual void CollectRelays() = 0;
    virtual void ApplyRelays() = 0;

private:
    bool CheckPasswordChange();
    static void ApplyAlarmInput(const std::string& field, AlarmInputForm& input);

    Record& record_;
    const Clock& clock_;
    PageRole role_;
    int pageNumber_;
    SettingsForm form_;
    std::tm picker_;
    std::string pendingPassword_;
};

extern template class SettingsPageBase<UnitSettings>;
extern template class SettingsPageBase<MultiRelaySettings>;

}  // namespace dorvik
