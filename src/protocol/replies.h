#pragma once
// Recognisers of the unit's replies, one per reply form. Each takes one
// reply line (serial link: the text before LF, a CR included) or a whole
// message body, and yields the typed fields, or nullopt when the text does
// not have the form. Texts are never read past their end.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/special_rule.h"

namespace dorvik {

// Whole replies that announce an empty list (or list section).
inline constexpr std::string_view kEmptyPhoneList = "WHL IS 0000";
inline constexpr std::string_view kEmptySpecialGroupP = "PHL IS 0000";
inline constexpr std::string_view kEmptySpecialGroupQ = "QHL IS 0000";

// --- List replies ---

// "WHL%d IS %s": a used slot (index above 0), or kEmptyPhoneList.
struct PhoneListLine {
    bool listEmpty = false;
    int index = 0;
    std::string number;
};
std::optional<PhoneListLine> ParsePhoneListLine(std::string_view line);

// "SHL%d IS %s", "PHL%d IS %s", "QHL%d IS %s" with ":" and the restriction
// rule; the index lies in 1..250 (S), 1..300 (P), 1..250 (Q). The empty
// replies of groups P and Q give groupEmpty with their letter.
struct SpecialListLine {
    bool groupEmpty = false;
    char group = 0;
    int index = 0;
    std::string number;
    std::string rule;    // the rule text as received
    SpecialRule fields;  // the rule decoded into its stored forms
};
std::optional<SpecialListLine> ParseSpecialListLine(std::string_view line);

// "ALARM ... IS n1:n2:n3:n4:n5:"; a number without its closing colon, and
// every one after it, is empty.
struct AlarmListReply {
    std::array<std::string, 5> numbers;
};
std::optional<AlarmListReply> ParseAlarmListReply(std::string_view line);

// "house:DIAL1:number" or "house:DIAL2:number"; dial 1 when the line holds
// "DIAL1", else 2.
struct HouseListLine {
    std::string house;
    int dial = 2;
    std::string number;
};
std::optional<HouseListLine> ParseHouseListLine(std::string_view line);

// "LOGW%d:number:time" (caller from the phone list) or "LOGS%d:..."
// (caller from the special list).
struct LogLine {
    char source = 0;  // 'W' or 'S'
    int index = 0;
    std::string number;
    std::string time;
};
std::optional<LogLine> ParseLogLine(std::string_view line);

// --- Acknowledgements ---

// True when the reply confirms the command sent under the code with the
// acknowledgement text: the texts are equal, except that code 2 compares
// both trimmed (TrimLine), code 26 the trimmed reply, and code 5 also
// needs a reply longer than 10 characters. An empty acknowledgement text
// confirms nothing.
bool IsConfirmation(int code, std::string_view reply, std::string_view ack);


// Index of "WHL%04d SET TO %s".
std::optional<int> ReadPhoneAckIndex(std::string_view ack);
// Group letter and index of "SHL%03d SETUP TO ..." (letter S, P or Q).
struct SpecialSlotRef {
    char group = 0;
    int index = 0;
};
std::optional<SpecialSlotRef> ReadSpecialAckSlot(std::string_view ack);
// Index of "ALARM%02d SET TO %s".
std::optional<int> ReadAlarmAckIndex(std::string_view ack);
// Mode digit of "RELAY SET TO MODE%d".
std::optional<int> ReadRelayModeAck(std::string_view ack);
// The 1-based house slot carried by the house dial acknowledgement text.
std::optional<int> ReadHouseAckSlot(std::string_view ack);

// --- Settings replies ---

// Number of houses: leading digits of the text 3 characters after the
// first "IS" (0 without digits); nullopt without "IS" or when too large.
std::optional<int> ParseHousesReply(std::string_view reply);

// "DEVICE NAME IS name:version"; a reply shorter than 16 characters gives a
// single blank for both.
struct DeviceName {
    std::string name;
    std::string version;
};
std::optional<DeviceName> ParseDeviceName(std::string_view reply);

// "... IS yyyyMMdd:HHmmss", valid only when the first "S" and the first
// ":" are exactly 10 characters apart and the digits form a real date.
struct UnitClock {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const UnitClock&) const = default;
};
std::optional<UnitClock> ParseClockReply(std::string_view reply);

// "TIMER-UPDATE:NO" (disabled) or "TIMER-UPDATE:%s" (enabled, number).
struct ClockUpdateReply {
    bool enabled = false;
    std::string number;
};
std::optional<ClockUpdateReply> ParseClockUpdateReply(std::string_view reply);

// "OUT IS %s": seven one-digit relay states, relay 1 first.
std::optional<std::array<bool, 7>> ParseOutputsReply(std::string_view reply);
// Seven one-digit relay states read with "%01d" seven times.
std::optional<std::array<bool, 7>> ParseRelayDigits(std::string_view text);

}  // namespace dorvik
