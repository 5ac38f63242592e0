#include "cli/settings_keys.h"

#include <algorithm>
#include <array>

#include "cli/options.h"
#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

using Refusal = std::optional<std::string>;
using T = SettingsTarget;

// Runs fn with whichever page the target holds.
template <class Fn>
void OnPage(T& t, Fn fn) {
    if (t.msic)
        fn(*t.msic);
    else
        fn(*t.multi);
}

template <class Fn>
auto FromPage(const T& t, Fn fn) {
    return t.msic ? fn(*t.msic) : fn(*t.multi);
}

// clang-format off
const PageCommand kGetName{"unit name", [](T& t) { OnPage(t, [](auto& p) { p.OnGetUnitName(); }); }, false};
const PageCommand kGetTime{"unit time", [](T& t) { OnPage(t, [](auto& p) { p.OnGetUnitTime(); }); }, false};
const PageCommand kGetDelay{"delay", [](T& t) { OnPage(t, [](auto& p) { p.OnGetDelay(); }); }, false};
const PageCommand kGetMode{"relay mode", [](T& t) { OnPage(t, [](auto& p) { p.OnGetMode(); }); }, false};
const PageCommand kGetClockUpdate{"clock update", [](T& t) { OnPage(t, [](auto& p) { p.OnGetClockUpdate(); }); }, false};
const PageCommand kGetBand{"band", [](T& t) { OnPage(t, [](auto& p) { p.OnGetBand(); }); }, false};
const PageCommand kGetReception{"reception", [](T& t) { OnPage(t, [](auto& p) { p.OnGetReception(); }); }, false};
const PageCommand kGetAlarmTexts{"alarm texts", [](T& t) { t.msic->OnGetAlarmContent(); }, false};
const PageCommand kGetStatus{"device status", [](T& t) { OnPage(t, [](auto& p) { p.OnGetDeviceStatus(); }); }, false};
const PageCommand kGetRelays{"relays", [](T& t) { t.multi->OnGetRelayStatus(); }, false};

const PageCommand kSetName{"unit name", [](T& t) { OnPage(t, [](auto& p) { p.OnSetUnitName(); }); }, true, &kGetName};
const PageCommand kSetTime{"unit time", [](T& t) { OnPage(t, [](auto& p) { p.OnSetUnitTime(); }); }, true};
const PageCommand kSetPassword{"password", [](T& t) { OnPage(t, [](auto& p) { p.OnSetUnitPassword(); }); }, true};
const PageCommand kSetDelay{"delay", [](T& t) { OnPage(t, [](auto& p) { p.OnSetDelay(); }); }, true, &kGetStatus};
const PageCommand kSetClockUpdate{"clock update", [](T& t) { OnPage(t, [](auto& p) { p.OnSetClockUpdate(); }); }, true, &kGetClockUpdate};
const PageCommand kSetBand{"band", [](T& t) { OnPage(t, [](auto& p) { p.OnSetBand(); }); }, true};
const PageCommand kSetMode{"relay mode", [](T& t) { OnPage(t, [](auto& p) { p.OnSetMode(); }); }, true};
const PageCommand kSetAlarmInputs{"alarm inputs", [](T& t) { OnPage(t, [](auto& p) { p.OnSetAlarmMode(); }); }, true, &kGetStatus};
const PageCommand kSetAlarmTexts{"alarm texts", [](T& t) { OnPage(t, [](auto& p) { p.OnSetAlarmContent(); }); }, true, &kGetStatus};
const PageCommand kSetBattery{"battery", [](T& t) { OnPage(t, [](auto& p) { p.OnSetBattery(); }); }, true, &kGetStatus};
const PageCommand kSetRelays{"relays", [](T& t) { t.multi->OnSetRelayStatus(); }, true, &kGetRelays};
// The single-relay unit switches each output at once, without a confirmation.
const PageCommand kSetRelay1{"relay 1", [](T& t) { t.msic->OnRelayOutput(1, t.msic->Extra().relayOn[0]); }, false};
const PageCommand kSetRelay2{"relay 2", [](T& t) { t.msic->OnRelayOutput(2, t.msic->Extra().relayOn[1]); }, false};

// clang-format on

// --- Values ------------------------------------------------------------------

Refusal Bad(const std::string& value, const char* expected) {
    return "\"" + value + "\" is not " + expected;
}

// A text for the unit: it travels inside the command frame.
Refusal Text(std::string& field, const std::string& value) {
    bool valid = true;
    std::string gb = Utf8ToGb(value, &valid);
    if (!valid || value.find_first_of("#\r\n") != std::string::npos)
        return Bad(value, "a text without \"#\" or line breaks");
    field = std::move(gb);
    return std::nullopt;
}

Refusal Digits(std::string& field, const std::string& value) {
    if (value.empty() || !IsDialNumber(value) || value.front() == '+')
        return Bad(value, "a number (digits only)");
    field = value;
    return std::nullopt;
}

Refusal OnOff(bool& field, const std::string& value) {
    static constexpr std::array<const char*, 4> kOn = {"on", "1", "yes", "true"};
    static constexpr std::array<const char*, 4> kOff = {"off", "0", "no", "false"};
    const auto is = [&value](const char* word) { return value == word; };
    if (std::none_of(kOn.begin(), kOn.end(), is) && std::none_of(kOff.begin(), kOff.end(), is))
        return Bad(value, "on or off");
    field = std::any_of(kOn.begin(), kOn.end(), is);
    return std::nullopt;
}

std::string OnOffText(bool on) {
    return on ? "on" : "off";
}

// The index of value in choices.
template <std::size_t N>
std::optional<int> Choice(const std::array<const char*, N>& choices, const std::string& value) {
    for (std::size_t k = 0; k < N; ++k)
        if (value == choices[k]) return static_cast<int>(k);
    return std::nullopt;
}

Refusal SetTime(T& t, const std::string& v) {
    if (v == "now") {
        OnPage(t, [](auto& p) { p.OnGetPcTime(); });
        return std::nullopt;
    }
    const std::optional<std::tm> time = ParsePickerText(v);
    if (!time) return Bad(v, "a time \"yyyy/MM/dd HH:mm:ss\" or now");
    OnPage(t, [&](auto& p) { p.SetPickerTime(*time); });
    return std::nullopt;
}

Refusal SetPassword(T& t, const std::string& v) {
    if (!IsFrameSafe(v)) return Bad(v, "a password (not empty, no \"#\" or line break)");
    SettingsForm& f = t.Form();
    f.password = t.password;
    f.newPassword = v;
    f.confirmPassword = v;
    return std::nullopt;
}

Refusal SetDelayUnit(T& t, const std::string& v) {
    const std::optional<int> unit = Choice(kDelayUnits, v);
    if (!unit) return Bad(v, "a delay unit (min, s or ms)");
    t.msic->Extra().delayUnit = *unit;
    return std::nullopt;
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// One of the band list's entries; the unit reports them without blanks.
Refusal SetBand(T& t, const std::string& v) {
    for (const char* band : kBandChoices) {
        if (WithoutBlanks(band) != WithoutBlanks(v)) continue;
        t.Form().band = band;
        return std::nullopt;
    }
    return Bad(v,
               "a band (\"GSM 850, PCS 1800\", \"GSM 850, PCS 1900\", \"GSM 900, DCS 1800\" or "
               "\"GSM 900, PCS 1900\")");
}

Refusal SetRelayMode(T& t, const std::string& v) {
    if (v != "0" && v != "1") return Bad(v, "a relay mode (0 or 1)");
    OnPage(t, [&](auto& p) { p.OnModeRadio(v == "1" ? 1 : 0); });
    return std::nullopt;
}

template <int I>
Refusal SetAlarmMode(T& t, const std::string& v) {
    if (v != "SMS" && v != "PHONE") return Bad(v, "an alarm mode (SMS or PHONE)");
    t.Form().alarms[I].phoneChecked = v == "PHONE";
    return std::nullopt;
}

template <int I>
Refusal SetRelay(T& t, const std::string& v) {
    bool on = false;
    if (Refusal why = OnOff(on, v)) return why;
    if (t.msic)
        t.msic->Extra().relayOn[I - 1] = on;
    else
        t.multi->OnRelayRadio(I, on);
    return std::nullopt;
}

template <int I>
std::string RelayText(T& t) {
    return OnOffText(t.msic ? t.msic->Extra().relayOn[I - 1] : t.multi->Relays()[I - 1]);
}

// --- The key table -------------------------------------------------------------

enum class On { Both, Msic, Multi };

struct Key {
    const char* name;
    On pages;
    const PageCommand* command;  // null: read only
    Refusal (*set)(T&, const std::string&);
    std::string (*get)(T&);  // null: never printed
};

// clang-format off
#define FORM_TEXT(field) [](T& t, const std::string& v) { return Text(t.Form().field, v); }, \
                         [](T& t) { return GbToUtf8(t.Form().field); }
#define FORM_DIGITS(field) [](T& t, const std::string& v) { return Digits(t.Form().field, v); }, \
                           [](T& t) { return t.Form().field; }
#define FORM_FLAG(field) [](T& t, const std::string& v) { return OnOff(t.Form().field, v); }, \
                         [](T& t) { return OnOffText(t.Form().field); }
const Key kKeys[] = {
    {"unitName", On::Both, &kSetName, FORM_TEXT(unitName)},
    {"unitVersion", On::Both, &kSetName, FORM_TEXT(unitVersion)},
    {"unitTime", On::Both, &kSetTime, &SetTime,
     [](T& t) { return FromPage(t, [](auto& p) { return p.PickerText(); }); }},
    {"newPassword", On::Both, &kSetPassword, &SetPassword, nullptr},
    {"delay", On::Both, &kSetDelay, FORM_DIGITS(delay)},
    {"delayUnit", On::Msic, &kSetDelay, &SetDelayUnit,
     [](T& t) { return std::string(kDelayUnits[std::clamp(t.msic->Extra().delayUnit, 0, 2)]); }},
    {"clockUpdateEnabled", On::Both, &kSetClockUpdate, FORM_FLAG(clockUpdateEnabled)},
    {"unitPhone", On::Both, &kSetClockUpdate, FORM_DIGITS(unitPhone)},
    {"band", On::Both, &kSetBand, &SetBand, [](T& t) { return t.Form().band; }},
    {"relayMode", On::Both, &kSetMode, &SetRelayMode,
     [](T& t) { return std::to_string(FromPage(t, [](auto& p) { return p.RelayMode(); })); }},
    {"alarm1Enabled", On::Both, &kSetAlarmInputs, FORM_FLAG(alarms[0].enabled)},
    {"alarm1Mode", On::Both, &kSetAlarmInputs, &SetAlarmMode<0>,
     [](T& t) { return std::string(t.Form().alarms[0].phoneChecked ? "PHONE" : "SMS"); }},
    {"alarm1Interval", On::Both, &kSetAlarmInputs, FORM_DIGITS(alarms[0].interval)},
    {"alarm2Enabled", On::Both, &kSetAlarmInputs, FORM_FLAG(alarms[1].enabled)},
    {"alarm2Mode", On::Both, &kSetAlarmInputs, &SetAlarmMode<1>,
     [](T& t) { return std::string(t.Form().alarms[1].phoneChecked ? "PHONE" : "SMS"); }},
    {"alarm2Interval", On::Both, &kSetAlarmInputs, FORM_DIGITS(alarms[1].interval)},
    {"alarmText1", On::Both, &kSetAlarmTexts, FORM_TEXT(alarmTexts[0])},
    {"alarmText2", On::Both, &kSetAlarmTexts, FORM_TEXT(alarmTexts[1])},
    {"batteryEnabled", On::Both, &kSetBattery, FORM_FLAG(batteryEnabled)},
    {"batteryAlarm", On::Msic, &kSetBattery,
     [](T& t, const std::string& v) { return Digits(t.msic->Extra().batteryAlarm, v); },
     [](T& t) { return t.msic->Extra().batteryAlarm; }},
    {"batteryValue", On::Msic, nullptr, nullptr, [](T& t) { return t.Form().batteryValue; }},
    {"batteryValue", On::Multi, &kSetBattery, FORM_DIGITS(batteryValue)},
    {"reception", On::Both, nullptr, nullptr, [](T& t) { return t.Form().reception; }},
    {"relay1", On::Msic, &kSetRelay1, &SetRelay<1>, &RelayText<1>},
    {"relay2", On::Msic, &kSetRelay2, &SetRelay<2>, &RelayText<2>},
    {"relay1", On::Multi, &kSetRelays, &SetRelay<1>, &RelayText<1>},
    {"relay2", On::Multi, &kSetRelays, &SetRelay<2>, &RelayText<2>},
    {"relay3", On::Multi, &kSetRelays, &SetRelay<3>, &RelayText<3>},
    {"relay4", On::Multi, &kSetRelays, &SetRelay<4>, &RelayText<4>},
    {"relay5", On::Multi, &kSetRelays, &SetRelay<5>, &RelayText<5>},
    {"relay6", On::Multi, &kSetRelays, &SetRelay<6>, &RelayText<6>},
    {"relay7", On::Multi, &kSetRelays, &SetRelay<7>, &RelayText<7>},
};
#undef FORM_TEXT
#undef FORM_DIGITS
#undef FORM_FLAG
// clang-format on

bool OnPage(const Key& key, bool msic) {
    return key.pages == On::Both || (key.pages == On::Msic) == msic;
}

bool OnTarget(const Key& key, const T& t) {
    return OnPage(key, t.msic != nullptr);
}

const Key* FindKey(const T& t, const std::string& name) {
    for (const Key& key : kKeys)
        if (name == key.name && OnTarget(key, t)) return &key;
    return nullptr;
}

}  // namespace

std::vector<std::string> SettingKeyNames(bool multiRelay) {
    std::vector<std::string> names;
    for (const Key& key : kKeys)
        if (OnPage(key, !multiRelay) && key.set) names.push_back(key.name);
    return names;
}

std::vector<std::string> SettingKeys(const SettingsTarget& target) {
    std::vector<std::string> names;
    for (const Key& key : kKeys)
        if (OnTarget(key, target) && key.get) names.push_back(key.name);
    return names;
}

std::string SettingValue(SettingsTarget& target, const std::string& name) {
    const Key* key = FindKey(target, name);
    return key && key->get ? key->get(target) : std::string();
}

std::optional<std::string> ApplySetting(SettingsTarget& target, const std::string& name,
                                        const std::string& value,
                                        std::vector<const PageCommand*>* commands) {
    const Key* key = FindKey(target, name);
    const char* page = target.msic ? "single-relay" : "seven-relay (--multi-relay)";
    if (!key) return "unknown setting \"" + name + "\" of the " + page + " page";
    if (!key->set) return "\"" + name + "\" is read from the unit only";
    if (Refusal why = key->set(target, value)) return name + ": " + *why;
    if (std::find(commands->begin(), commands->end(), key->command) == commands->end())
        commands->push_back(key->command);
    return std::nullopt;
}

std::vector<const PageCommand*> ReadsBefore(const SettingsTarget& target,
                                            const std::vector<std::string>& keys) {
    const auto given = [&keys](const char* name) {
        return std::find(keys.begin(), keys.end(), name) != keys.end();
    };
    std::vector<const PageCommand*> reads;
    for (const Key& key : kKeys) {
        if (!OnTarget(key, target) || !key.set || !key.command->fill || given(key.name)) continue;
        const bool groupTouched =
            std::any_of(std::begin(kKeys), std::end(kKeys), [&](const Key& k) {
                return k.command == key.command && OnTarget(k, target) && given(k.name);
            });
        if (groupTouched && std::find(reads.begin(), reads.end(), key.command->fill) == reads.end())
            reads.push_back(key.command->fill);
    }
    return reads;
}

std::vector<PageCommand> ReadCommands(const SettingsTarget& target) {
    std::vector<PageCommand> commands = {kGetName,        kGetTime, kGetDelay,    kGetMode,
                                         kGetClockUpdate, kGetBand, kGetReception};
    if (target.msic) commands.push_back(kGetAlarmTexts);
    commands.push_back(kGetStatus);
    if (target.multi) commands.push_back(kGetRelays);
    return commands;
}

}  // namespace dorvik::cli
