#pragma once
// Building and reading the composite texts of the settings records. Reading
// never fails: a part that cannot be read keeps its default.
#include <array>
#include <string>
#include <string_view>

namespace dorvik {

// "%d,%s": Battery and ClockUpdate.
struct FlagText {
    int flag = 0;
    std::string text;
};
std::string FormatFlagText(const FlagText& value);
FlagText ParseFlagText(std::string_view text);

// "%d,%d,%s": AlarmMode1 and AlarmMode2.
struct AlarmModeText {
    int enabled = 0;
    int mode = 0;  // 0 SMS, 1 PHONE
    std::string interval;
};
std::string FormatAlarmMode(const AlarmModeText& value);
AlarmModeText ParseAlarmMode(std::string_view text);

// The seven-relay unit's relay outputs, Relay1 first; true is ON.
inline constexpr int kRelayCount = 7;
using RelayStates = std::array<bool, kRelayCount>;
// Seven characters "0" or "1".
std::string FormatRelayText(const RelayStates& relays);
// Character i "1" turns relay i ON; any other or missing character is OFF.
RelayStates ParseRelayText(std::string_view text);

}  // namespace dorvik
