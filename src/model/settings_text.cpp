#include "model/settings_text.h"

#include <optional>

#include "model/decimal_text.h"

namespace dorvik {
namespace {

// Reads "<int>," from the front of `text` into `value` and drops it from
// `text`; false when the text does not start that way (the separator may be
// missing after the last number read).
bool TakeInt(std::string_view& text, int& value) {
    std::size_t end = 0;
    const std::optional<int> read = ReadLeadingInt(text, &end);
    if (!read) return false;
    value = *read;
    text.remove_prefix(end);
    if (text.empty() || text.front() != ',') return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string FormatFlagText(const FlagText& value) {
    return std::to_string(value.flag) + ',' + value.text;
}

FlagText ParseFlagText(std::string_view text) {
    FlagText value;
    if (TakeInt(text, value.flag)) value.text = text;
    return value;
}

std::string FormatAlarmMode(const AlarmModeText& value) {
    return std::to_string(value.enabled) + ',' + std::to_string(value.mode) + ',' + value.interval;
}

AlarmModeText ParseAlarmMode(std::string_view text) {
    AlarmModeText value;
    if (TakeInt(text, value.enabled) && TakeInt(text, value.mode)) value.interval = text;
    return value;
}

std::string FormatRelayText(const RelayStates& relays) {
    std::string text;
    for (bool on : relays) text += on ? '1' : '0';
    return text;
}

RelayStates ParseRelayText(std::string_view text) {
    RelayStates relays{};
    for (std::size_t i = 0; i < relays.size() && i < text.size(); ++i) relays[i] = text[i] == '1';
    return relays;
}

}  // namespace dorvik
