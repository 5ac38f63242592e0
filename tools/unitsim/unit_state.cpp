#include "unitsim/unit_state.h"

#include <cstdint>
#include <cstdio>

#include "unitsim/text_fields.h"

namespace dorvik::unitsim {
namespace {

long long LocalUtcOffset() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

int Field(std::string_view text, std::size_t at, std::size_t length) {
    return static_cast<int>(*ToNumber(text.substr(at, length)));
}

// A fixed sequence, so that every run shows the same demo content.
std::uint32_t NextRandom(std::uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

std::string PlausibleNumber(std::uint32_t& seed) {
    const unsigned third = 5 + NextRandom(seed) % 5;
    const unsigned rest = NextRandom(seed) % 100000000u;
    char text[16];
    std::snprintf(text, sizeof text, "13%u%08u", third, rest);
    return text;
}

bool InRange(std::string_view text, std::size_t at, int low, int high) {
    const int value = Field(text, at, 2);
    return value >= low && value <= high;
}

bool IsTime(std::string_view text) {
    return text.size() == 5 && text[2] == ':' && IsDigits(text.substr(0, 2)) && IsDigits(text.substr(3)) &&
           InRange(text, 0, 0, 23) && InRange(text, 3, 0, 59);
}

bool IsDate(std::string_view text) {
    return text.size() == 6 && IsDigits(text) && InRange(text, 2, 1, 12) && InRange(text, 4, 1, 31);
}

// "(HH:mm-HH:mm)"
bool IsWindow(std::string_view text) {
    return text.size() == 13 && text.front() == '(' && text.back() == ')' && text[6] == '-' &&
           IsTime(text.substr(1, 5)) && IsTime(text.substr(7, 5));
}

}  // namespace

bool IsValidRule(char group, std::string_view rule) {
    if (group == 'Q') return rule.size() <= 3 && (rule.empty() || IsDigits(rule));
    const auto open = rule.find('(');
    if (open == std::string_view::npos || !IsWindow(rule.substr(open))) return false;
    const std::string_view days = rule.substr(0, open);
    if (group == 'P') return days.size() == 13 && days[6] == '-' && IsDate(days.substr(0, 6)) && IsDate(days.substr(7));
    return IsDigits(days) && days.find_first_of("089") == std::string_view::npos;
}

UnitState::UnitState(int houseCount)
    : houses(houseCount), phones(2 * static_cast<std::size_t>(houseCount)), clockOffset(LocalUtcOffset()) {}

bool IsClearNumber(std::string_view number) { return number == "0000" || number == "00000000000"; }

std::optional<int> DelayMs(std::string_view text, std::string_view unit) {
    const long long scale = unit == "MINIUTE" ? 60000 : unit == "SECOND" ? 1000 : unit == "MILLISECOND" ? 1 : 0;
    const auto value = ToNumber(text);
    if (scale == 0 || !value || *value < 0 || *value > 2147483647LL / scale) return std::nullopt;
    return static_cast<int>(*value * scale);
}

std::string ClockText(const UnitState& state, std::time_t now) {
    const std::time_t unitTime = now + static_cast<std::time_t>(state.clockOffset);
    std::tm tm{};
    gmtime_r(&unitTime, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d:%H%M%S", &tm);
    return text;
}

bool SetClock(UnitState& state, std::string_view text, std::time_t now) {
    if (text.size() != 15 || text[8] != ':' || !IsDigits(text.substr(0, 8)) || !IsDigits(text.substr(9))) {
        return false;
    }
    std::tm tm{};
    tm.tm_year = Field(text, 0, 4) - 1900;
    tm.tm_mon = Field(text, 4, 2) - 1;
    tm.tm_mday = Field(text, 6, 2);
    tm.tm_hour = Field(text, 9, 2);
    tm.tm_min = Field(text, 11, 2);
    tm.tm_sec = Field(text, 13, 2);
    if (tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_hour > 23 ||
        tm.tm_min > 59 || tm.tm_sec > 59) {
        return false;
    }
    state.clockOffset = static_cast<long long>(timegm(&tm)) - static_cast<long long>(now);
    return true;
}

void SeedPhones(UnitState& state, int count) {
    std::uint32_t seed = 1;
    for (int i = 0; i < count && i < static_cast<int>(state.phones.size()); ++i) {
        state.phones[i] = PlausibleNumber(seed);
    }
}

void SeedLog(UnitState& state, int rows) {
    std::uint32_t seed = 7;
    std::vector<std::string> known;
    for (const std::string& number : state.phones) {
        if (!number.empty()) known.push_back(number);
    }
    std::time_t when = 1709277000;  // 2024-03-01 07:10 on the unit's clock
    for (int i = 0; i < rows; ++i) {
        const bool special = NextRandom(seed) % 8 == 0;
        const bool listed = !special && !known.empty();
        LogRow row{special ? 'S' : 'W', listed ? known[NextRandom(seed) % known.size()] : PlausibleNumber(seed), ""};
        when += 60 * (5 + NextRandom(seed) % 90);
        std::tm tm{};
        gmtime_r(&when, &tm);
        char text[32];
        std::strftime(text, sizeof text, "%Y%m%d%H%M", &tm);
        row.time = text;
        state.log.push_back(std::move(row));
    }
}

}  // namespace dorvik::unitsim
