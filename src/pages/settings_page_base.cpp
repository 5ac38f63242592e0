#include "pages/settings_page_base.h"

#include "model/settings_text.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

constexpr char kNameSet[] = "Set unit name success";

// The text after the part's first colon; nothing when it has none.
std::optional<std::string> AfterColon(std::string_view part) {
    const std::size_t colon = part.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return std::string(part.substr(colon + 1));
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}  // namespace

template <class Record>
SettingsPageBase<Record>::SettingsPageBase(ConnectionEngine& engine, Record& record,
                                           const Clock& clock, PageRole role, int pageNumber)
    : PageState<SettingsPage>(engine),
      record_(record),
      clock_(clock),
      role_(role),
      pageNumber_(pageNumber),
      picker_(DefaultPickerTime()) {
    engine.RegisterPage(role_, this);
}

template <class Record>
SettingsPageBase<Record>::~SettingsPageBase() {
    if (Engine().Page(role_) == this) Engine().RegisterPage(role_, nullptr);
}

template <class Record>
void SettingsPageBase<Record>::SetPickerTime(const std::tm& time) {
    picker_ = time;
    Touch();
}

template <class Record>
bool SettingsPageBase<Record>::SendCommand(const Request& request, bool plain) {
    if (!CheckConnected()) return false;
    if (!plain) Engine().SetBusy(true);
    Engine().SetActiveSettingsPage(pageNumber_);
    Engine().SendRequest(request.frame, request.code, request.ack);
    return true;
}

// --- Unit commands -----------------------------------------------------------

template <class Record>
void SettingsPageBase<Record>::OnGetUnitName() { SendCommand(DeviceNameQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnSetUnitName() {
    SendCommand(SetDeviceName(Pw(), form_.unitName, form_.unitVersion));
}

template <class Record>
void SettingsPageBase<Record>::OnGetUnitTime() { SendCommand(ClockQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnSetUnitTime() {
    if (!CheckConnected()) return;
    // The picker always holds a date of four-digit years; anything else is not sent.
    if (std::optional<std::string> clock = ClockToCommandText(PickerText()))
        SendCommand(SetClock(Pw(), *clock));
}

template <class Record>
bool SettingsPageBase<Record>::CheckPasswordChange() {
    const char* problem = nullptr;
    if (form_.password.empty())
        problem = kPasswordEmpty;
    else if (form_.newPassword.empty())
        problem = kNewPasswordEmpty;
    else if (form_.confirmPassword != form_.newPassword)
        problem = kConfirmMismatch;
    if (problem) Error(problem);
    return problem == nullptr && CheckConnected();
}

template <class Record>
void SettingsPageBase<Record>::OnSetUnitPassword() {
    if (!CheckPasswordChange()) return;
    pendingPassword_ = form_.newPassword;
    SendCommand(ChangePassword(Pw(), form_.newPassword, form_.confirmPassword));
}

template <class Record>
void SettingsPageBase<Record>::OnGetReception() { SendCommand(ReceptionQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnGetClockUpdate() { SendCommand(ClockUpdateQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnSetClockUpdate() {
    SendCommand(form_.clockUpdateEnabled ? dorvik::SetClockUpdate(Pw(), form_.unitPhone)
                                         : DisableClockUpdate(Pw()));
}

template <class Record>
void SettingsPageBase<Record>::OnGetBand() { SendCommand(BandQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnSetBand() { SendCommand(SetBand(Pw(), form_.band)); }

template <class Record>
void SettingsPageBase<Record>::OnSetMode() {
    SendCommand(dorvik::SetRelayMode(Pw(), record_.UnitMode == 1 ? 1 : 0));
}

template <class Record>
void SettingsPageBase<Record>::OnGetMode() { SendCommand(RelayModeQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnGetDelay() { SendCommand(DelayQuery(Pw())); }

template <class Record>
void SettingsPageBase<Record>::OnSetAlarmMode() {
    const AlarmInputForm& a1 = form_.alarms[0];
    const AlarmInputForm& a2 = form_.alarms[1];
    SendCommand(SetAlarmInputs(Pw(), AlarmInputWord(a1.enabled, a1.phoneChecked, a1.interval),
                               AlarmInputWord(a2.enabled, a2.phoneChecked, a2.interval)));
}

template <class Record>
void SettingsPageBase<Record>::OnSetAlarmContent() {
    SendCommand(SetAlarmContent(Pw(), form_.alarmTexts[0], form_.alarmTexts[1]));
}

template <class Record>
void SettingsPageBase<Record>::OnGetDeviceStatus() { SendCommand(StatusQuery(Pw())); }

// --- Local controls ----------------------------------------------------------

template <class Record>
void SettingsPageBase<Record>::OnGetPcTime() { SetPickerTime(clock_.LocalNow()); }

template <class Record>
void SettingsPageBase<Record>::OnModeRadio(int mode) {
    record_.UnitMode = mode == 0 ? 0 : 1;
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::OnAlarmToggle(int input) {
    AlarmInputForm& a = form_.alarms[input == 0 ? 0 : 1];
    a.enabled = !a.enabled;
    a.phoneChecked = a.mode != 0;
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::OnAlarmModeRadio(int input, bool phone) {
    form_.alarms[input == 0 ? 0 : 1].phoneChecked = phone;
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::OnBatteryToggle() {
    form_.batteryEnabled = !form_.batteryEnabled;
    Touch();
}

// --- Page operations of reply handling ------------------------------------------

template <class Record>
void SettingsPageBase<Record>::SetUnitNameAndVersion(const std::string& name,
                                                     const std::string& version, bool confirm) {
    form_.unitName = name;
    form_.unitVersion = version;
    Touch();
    if (confirm) Info(kNameSet);
}

template <class Record>
void SettingsPageBase<Record>::SetUnitTime(const std::tm& time) { SetPickerTime(time); }

template <class Record>
void SettingsPageBase<Record>::SetBandText(const std::string& band) {
    form_.band = band;
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::SetClockUpdate(bool enabled, const std::string& phone) {
    form_.clockUpdateEnabled = enabled;
    if (enabled) form_.unitPhone = phone;
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::SetRelayMode(int mode) { OnModeRadio(mode); }

template <class Record>
void SettingsPageBase<Record>::SetReception(int value) {
    form_.reception = std::to_string(value);
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::SetDelay(int value) {
    form_.delay = std::to_string(value);
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::ApplyAlarmContentReply(const std::string& reply) {
    // "UDI1:text1,UDI2:text2": a part without its colon leaves its box as it was.
    const std::size_t comma = reply.find(',');
    const std::string_view text(reply);
    if (auto first = AfterColon(text.substr(0, comma))) form_.alarmTexts[0] = *first;
    if (comma != std::string::npos) {
        if (auto second = AfterColon(text.substr(comma + 1))) form_.alarmTexts[1] = *second;
    }
    Touch();
}

template <class Record>
void SettingsPageBase<Record>::ApplyStatusCommon(const StatusReport& report) {
    for (int n = 0; n < 2; ++n) {
        const AlarmInputStatus& a = report.alarms[n];
        if (a.content) form_.alarmTexts[n] = *a.content;
    }
    if (report.reception) form_.reception = *report.reception;
    const auto mode = [](const AlarmInputStatus& a) {
        return FormatAlarmMode({a.on ? 1 : 0, a.phone ? 1 : 0, std::to_string(a.interval)});
    };
    record_.AlarmMode1 = mode(report.alarms[0]);
    record_.AlarmMode2 = mode(report.alarms[1]);
    ApplyAlarmModes();
}

template <class Record>
void SettingsPageBase<Record>::ApplyAlarmModes() {
    const std::array<const std::string*, 2> fields = {&record_.AlarmMode1, &record_.AlarmMode2};
    for (std::size_t n = 0; n < fields.size(); ++n) {
        const AlarmModeText mode = ParseAlarmMode(*fields[n]);
        AlarmInputForm& a = form_.alarms[n];
        a.mode = mode.mode;
        a.enabled = mode.enabled != 0;
        a.phoneChecked = mode.mode == 1;
        a.interval = mode.interval;
    }
    Touch();
}

// --- Settings record ------------------------------------------------------------

template <class Record>
void SettingsPageBase<Record>::CollectSettings() {
    record_.UnitName = form_.unitName;
    record_.UnitVersion = form_.unitVersion;
    record_.UnitTime = PickerText();
    record_.UnitDelay = form_.delay;
    record_.UnitPhone = form_.unitPhone;
    record_.UintBand = form_.band;
    record_.UnitReception = form_.reception;
    record_.Battery = FormatFlagText({form_.batteryEnabled ? 1 : 0, form_.batteryValue});
    record_.ClockUpdate = FormatFlagText({form_.clockUpdateEnabled ? 1 : 0, form_.unitPhone});
    const auto mode = [](const AlarmInputForm& a) {
        return FormatAlarmMode({a.enabled ? 1 : 0, a.phoneChecked ? 1 : 0,
                                a.enabled ? a.interval : std::string(kDisabledInterval)});
    };
    record_.AlarmMode1 = mode(form_.alarms[0]);
    record_.AlarmMode2 = mode(form_.alarms[1]);
    record_.Alarm1 = form_.alarmTexts[0];
    record_.Alarm2 = form_.alarmTexts[1];
    CollectRelays();
}

template <class Record>
void SettingsPageBase<Record>::ApplySettings() {
    form_.unitName = record_.UnitName;
    form_.unitVersion = record_.UnitVersion;
    if (std::optional<std::tm> time = ParsePickerText(record_.UnitTime)) picker_ = *time;
    form_.delay = record_.UnitDelay;
    form_.unitPhone = record_.UnitPhone;
    form_.band = record_.UintBand;
    form_.reception = record_.UnitReception;
    const FlagText battery = ParseFlagText(record_.Battery);
    form_.batteryEnabled = battery.flag != 0;
    form_.batteryValue = SkipBlanks(battery.text);
    const FlagText clockUpdate = ParseFlagText(record_.ClockUpdate);
    form_.clockUpdateEnabled = clockUpdate.flag != 0;
    form_.unitPhone = clockUpdate.text;
    ApplyAlarmInput(record_.AlarmMode1, form_.alarms[0]);
    ApplyAlarmInput(record_.AlarmMode2, form_.alarms[1]);
    form_.alarmTexts = {record_.Alarm1, record_.Alarm2};
    ApplyRelays();
    Touch();
}

// A disabled input keeps its radios and interval: the record holds none for it.
template <class Record>
void SettingsPageBase<Record>::ApplyAlarmInput(const std::string& field, AlarmInputForm& input) {
    const AlarmModeText mode = ParseAlarmMode(field);
    input.enabled = mode.enabled != 0;
    if (!input.enabled) return;
    input.phoneChecked = mode.mode == 1;
    input.interval = mode.interval;
}

template class SettingsPageBase<UnitSettings>;
template class SettingsPageBase<MultiRelaySettings>;

}  // namespace dorvik
