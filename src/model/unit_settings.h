#pragma once
// The settings records of the single-relay unit and of the seven-relay unit.
// Both hold the same fields as texts the way their pages show them; only the
// relay output differs (an integer on the single-relay unit, one character
// "0"/"1" per relay on the seven-relay unit). Composite fields are built and
// read with the helpers of settings_text.h.
#include <string>

namespace dorvik {

template <class Relay>
struct SettingsFields {
    std::string UnitName;
    std::string UnitVersion;
    std::string UnitTime;
    std::string UnitDelay;
    std::string UnitPhone;      // receives the unit's self clock update message
    std::string UintBand;
    std::string UnitReception;  // signal quality
    std::string Battery;        // "%d,%s": backup on (0/1), battery level
    std::string ClockUpdate;    // "%d,%s": self clock update on (0/1), UnitPhone
    Relay RelayStatus{};
    std::string AlarmMode1;     // "%d,%d,%s": input on (0/1), mode (0 SMS, 1 PHONE), interval
    std::string AlarmMode2;
    std::string Alarm1;         // alarm texts
    std::string Alarm2;
    int UnitMode = 0;           // relay mode, 0 or 1
};

// Relay output 1 ON, 0 OFF; alarm intervals in seconds.
struct UnitSettings : SettingsFields<int> {};

// Relays 1 to 7 as seven characters "0"/"1"; alarm intervals in minutes.
struct MultiRelaySettings : SettingsFields<std::string> {};

}  // namespace dorvik
