// Parameter texts shared by the pages that build commands.
#include <cstddef>

#include "protocol/catalogue.h"
#include "protocol/text_format.h"

namespace dorvik {
namespace {

constexpr std::string_view kPickerShape = "dddd/dd/dd dd:dd:dd";

bool HasPickerShape(std::string_view clock) {
    if (clock.size() != kPickerShape.size()) return false;
    for (std::size_t i = 0; i < clock.size(); ++i) {
        bool digit = clock[i] >= '0' && clock[i] <= '9';
        if (kPickerShape[i] == 'd' ? !digit : clock[i] != kPickerShape[i]) return false;
    }
    return true;
}

}  // namespace

std::string SpecialToken(char letter, int indexInGroup) {
    return FormatText("%sHL%03d", {std::string_view(&letter, 1), indexInGroup});
}

std::string SpecialTokenFromLabel(std::string_view label) {
    if (label.empty()) return std::string();
    std::string token(label);
    token.insert(1, "HL");
    return token;
}

std::string AlarmInputWord(bool enabled, bool phoneMode, std::string_view interval) {
    if (!enabled) return "OFF";
    return std::string("ON:") + (phoneMode ? "PHONE:" : "SMS:") + std::string(interval);
}

std::string_view DelayUnitWord(int unitIndex) {
    switch (unitIndex) {
        case 0: return "MINIUTE";
        case 1: return "SECOND";
        default: return "MILLISECOND";
    }
}

std::optional<std::string> ClockToCommandText(std::string_view clock) {
    if (!HasPickerShape(clock)) return std::nullopt;
    std::string digits;
    for (char c : clock) {
        if (c >= '0' && c <= '9') digits += c;
    }
    digits.insert(8, ":");
    return digits;
}

std::string RelayDigitsText(const std::array<bool, 7>& relays) {
    std::string digits;
    for (bool on : relays) digits += on ? '1' : '0';
    return digits;
}

}  // namespace dorvik
