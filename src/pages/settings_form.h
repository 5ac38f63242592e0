#pragma once
// The controls both settings pages hold, as texts and flags, and the text
// of their date-time picker.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

inline constexpr const char kDefaultBand[] = "GSM 900, DCS 1800";
// The band combo's list, sorted.
inline constexpr std::array<const char*, 4> kBandChoices = {
    "GSM 850, PCS 1800", "GSM 850, PCS 1900", "GSM 900, DCS 1800", "GSM 900, PCS 1900"};

// One alarm input: its toggle, which also enables the SMS and PHONE radios
// and the interval box, the mode the toggle re-checks, and the radios.
struct AlarmInputForm {
    bool enabled = false;
    int mode = 0;               // 0 SMS, 1 PHONE; changed by replies, not by the radios
    bool phoneChecked = false;  // PHONE checked and SMS clear, or the reverse
    std::string interval;
};

struct SettingsForm {
    std::string unitName, unitVersion;
    std::string password, newPassword, confirmPassword;
    std::string delay;
    bool clockUpdateEnabled = false;
    std::string unitPhone;  // receives the self clock update message
    std::string band = kDefaultBand;
    std::string reception;
    bool batteryEnabled = false;  // the "Enable" toggle; also enables the value box
    std::string batteryValue;     // "Current" percentage or "Interval" minutes
    std::array<AlarmInputForm, 2> alarms;
    std::array<std::string, 2> alarmTexts;
};

// The picker's start value, 2010/01/01 00:00:00.
std::tm DefaultPickerTime();
// "yyyy/MM/dd HH:mm:ss".
std::string FormatPickerText(const std::tm& time);
// The time of a "yyyy/MM/dd HH:mm:ss" text; nothing for any other text.
std::optional<std::tm> ParsePickerText(std::string_view text);

}  // namespace dorvik
