#pragma once
// Reading the unit's device status reply ("STATUS?"). The single-relay and
// the seven-relay unit word it differently ("ALM1=ON:SMS:30,..." against
// "ALARM1=ON:SMS:30,..."); a dialect table holds the differences, and the
// pages decide what each item means for their controls.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

struct StatusDialect {
    std::array<std::string_view, 2> alarmKeys;  // "ALM1=", "ALM2=" or "ALARM1=", "ALARM2="
    // The first alarm's segment stops one character before the second
    // alarm's key (the separator is dropped) instead of right at it.
    bool dropSeparator;
    // The interval is the number at the end of the segment (at most two
    // digits) instead of the number after the segment's state and mode.
    bool intervalFromTail;
    std::string_view relayOn, relayOff;  // the single relay flag's keys
};

extern const StatusDialect kSingleRelayStatus;
extern const StatusDialect kMultiRelayStatus;

struct AlarmInputStatus {
    bool on = false;
    bool phone = false;  // PHONE mode; SMS otherwise
    int interval = 0;
    std::optional<std::string> content;  // the alarm text, when reported
};

// The items of one status reply. An item is empty when its key or the comma
// that closes it is missing.
struct StatusReport {
    std::array<AlarmInputStatus, 2> alarms;
    std::optional<std::string> delay;      // text between "GOT=" and the next comma
    std::optional<std::string> reception;  // after "CSQ="
    std::optional<std::string> battery;    // after "BCPW="
    bool relayOn = false;                  // the dialect's relay flag
    bool relay2On = false;                 // "RELAY2=ON" (single-relay unit)
};

// Nothing when either alarm's state key ("...=ON" or "...=OFF") is missing.
std::optional<StatusReport> ParseStatusReply(std::string_view reply, const StatusDialect& dialect);

// The single-relay unit's delay item: "500MS" is 500 ms, "5S" 5 s, "2M" 2 min.
struct DelayReading {
    std::string value;
    int unitIndex = 0;  // 0 min, 1 s, 2 ms
};
DelayReading ReadStatusDelay(std::string_view item);

// The single-relay unit's battery item: "ON:80" or "OFF:80"; the value is the
// text after the first colon (the whole item when it has none).
struct BatteryReading {
    bool enabled = false;
    std::string value;
};
BatteryReading ReadStatusBattery(std::string_view item);

}  // namespace dorvik
