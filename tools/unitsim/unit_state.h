#pragma once
// What the simulated unit remembers: its lists, its settings, its call log
// and its clock.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::unitsim {

inline constexpr int kSpecialSlots = 20;  // per group S, P, Q
inline constexpr int kAlarmSlots = 5;
inline constexpr std::string_view kGroups = "SPQ";

struct SpecialSlot {
    std::string number;  // empty: free
    std::string rule;
};

struct House {
    std::string number;
    std::array<std::string, 2> dials;  // DIAL1, DIAL2; empty: none
};

struct LogRow {
    char source = 'W';  // 'W' phone list caller, 'S' special list caller
    std::string number;
    std::string time;   // yyyyMMddHHmm
};

struct AlarmInput {
    bool on = false;
    bool phone = false;  // false: SMS
    std::string interval = "30";
};

struct UnitState {
    explicit UnitState(int houseCount = 400);

    std::string password = "482915";
    int houses;
    std::vector<std::string> phones;  // 2 x houses slots; empty: free
    std::array<std::array<SpecialSlot, kSpecialSlots>, 3> special;  // in the order of kGroups
    std::array<std::string, kAlarmSlots> alarms;
    std::vector<House> houseDials;    // in the order first stored, at most `houses`
    std::vector<LogRow> log;          // oldest first; the index on the wire is position + 1

    std::string name = "GATE-UNIT";
    std::string version = "V3.2";
    long long clockOffset = 0;        // unit clock minus system clock (UTC), seconds
    std::string delayValue = "5";
    std::string delayUnit = "SECOND"; // "MINIUTE", "SECOND" or "MILLISECOND"
    int relayMode = 0;
    std::string clockUpdatePhone;     // empty: self clock update off
    std::string band = "GSM 900, DCS 1800";
    int reception = 23;
    std::array<AlarmInput, 2> inputs;
    std::array<std::string, 2> contents{"Door open", "Power fail"};
    bool batteryOn = false;
    std::string batteryPercent = "20";
    std::string batteryInterval = "30";
    std::string relays = "0000000";   // relay 1 first
};

// "0000" and "00000000000" stand for no number and clear a slot.
bool IsClearNumber(std::string_view number);

// True when the restriction rule has the grammar of its group: S
// "<days 1-7>(HH:mm-HH:mm)", P "yyMMdd-yyMMdd(HH:mm-HH:mm)", Q up to three digits.
bool IsValidRule(char group, std::string_view rule);

// A gate delay in milliseconds, from its value and unit word ("MINIUTE",
// "SECOND", "MILLISECOND"); nothing for another word or a value that does not fit.
std::optional<int> DelayMs(std::string_view value, std::string_view unit);
inline std::optional<int> DelayMs(const UnitState& state) { return DelayMs(state.delayValue, state.delayUnit); }

// The unit clock at system time `now`, as yyyyMMdd:HHmmss.
std::string ClockText(const UnitState& state, std::time_t now);
// Sets the unit clock from yyyyMMdd:HHmmss; false for any other text.
bool SetClock(UnitState& state, std::string_view text, std::time_t now);

// Demo content: plausible numbers in phone slots 1..count, and `rows` calls.
void SeedPhones(UnitState& state, int count);
void SeedLog(UnitState& state, int rows);

}  // namespace dorvik::unitsim
