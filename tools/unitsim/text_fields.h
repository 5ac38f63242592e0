#pragma once
// Small checks on the fields of received commands.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace dorvik::unitsim {

// True for a non-empty text of the digits 0 to 9 only.
inline bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The whole text as a decimal integer (an optional leading '-' or '+'),
// nothing when it is not one or does not fit.
inline std::optional<long long> ToNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace dorvik::unitsim
