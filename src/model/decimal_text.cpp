#include "model/decimal_text.h"

#include <algorithm>
#include <climits>

namespace dorvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ReadLeadingInt(std::string_view text, std::size_t* end) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL + INT_MAX);
    }
    if (end) *end = pos;
    if (negative) return static_cast<int>(std::max<long long>(-value, INT_MIN));
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

int LeadingInt(std::string_view text) { return ReadLeadingInt(text).value_or(0); }

}  // namespace dorvik
