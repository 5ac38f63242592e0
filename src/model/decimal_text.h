#pragma once
// Reading integers out of texts typed by the user or sent by the unit.
#include <cstddef>
#include <optional>
#include <string_view>

namespace dorvik {

// The decimal number at the start of `text`: leading blanks skipped, an
// optional sign, then digits up to the first other character. Values beyond
// the int range are clamped to it. Nothing when no digit follows. *end (when
// given) receives the position after the last digit.
std::optional<int> ReadLeadingInt(std::string_view text, std::size_t* end = nullptr);

// ReadLeadingInt, with 0 when the text holds no number.
int LeadingInt(std::string_view text);

}  // namespace dorvik
