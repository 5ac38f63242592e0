// Recognisers of the replies to the connect and settings queries.
#include <cstddef>

#include "protocol/replies.h"
#include "protocol/text_scan.h"

namespace dorvik {
namespace {

constexpr std::size_t kShortDeviceReply = 16;
// Distance between the "S" of "IS" and the colon in "IS yyyyMMdd:HHmmss".
constexpr std::size_t kClockColonDistance = 10;

// The number written by the digits text[at, at + count), or nullopt when
// the text is too short or holds a non-digit there.
std::optional<int> FixedDigits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (char c : text.substr(at, count)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsRealClock(const UnitClock& c) {
    if (c.month < 1 || c.month > 12) return false;
    if (c.day < 1 || c.day > DaysInMonth(c.year, c.month)) return false;
    return c.hour < 24 && c.minute < 60 && c.second < 60;
}

// Reads "yyyyMMdd" at dateAt and "HHmmss" at timeAt.
std::optional<UnitClock> ReadClockDigits(std::string_view text, std::size_t dateAt,
                                         std::size_t timeAt) {
    struct Field {
        int UnitClock::*member;
        std::size_t offset;
        std::size_t count;
    };
    const Field fields[] = {
        {&UnitClock::year, dateAt, 4},      {&UnitClock::month, dateAt + 4, 2},
        {&UnitClock::day, dateAt + 6, 2},   {&UnitClock::hour, timeAt, 2},
        {&UnitClock::minute, timeAt + 2, 2}, {&UnitClock::second, timeAt + 4, 2},
    };
    UnitClock clock;
    for (const Field& f : fields) {
        std::optional<int> value = FixedDigits(text, f.offset, f.count);
        if (!value) return std::nullopt;
        clock.*f.member = *value;
    }
    if (!IsRealClock(clock)) return std::nullopt;
    return clock;
}

}  // namespace

std::optional<int> ParseHousesReply(std::string_view reply) {
    std::size_t is = reply.find("IS");
    if (is == std::string_view::npos) return std::nullopt;
    std::size_t start = is + 3;
    if (start >= reply.size()) return 0;
    return LeadingDigits(reply.substr(start));
}

std::optional<DeviceName> ParseDeviceName(std::string_view reply) {
    if (reply.size() < kShortDeviceReply) return DeviceName{" ", " "};
    if (!StartsWith(reply, "DEVICE")) return std::nullopt;
    std::size_t s = reply.find('S');
    std::size_t colon = reply.find(':');
    if (s == std::string_view::npos || colon == std::string_view::npos || colon < s + 2) {
        return std::nullopt;
    }
    return DeviceName{std::string(reply.substr(s + 2, colon - s - 2)),
                      std::string(reply.substr(colon + 1))};
}

std::optional<UnitClock> ParseClockReply(std::string_view reply) {
    std::size_t s = reply.find('S');
    std::size_t colon = reply.find(':');
    if (s == std::string_view::npos || colon == std::string_view::npos) return std::nullopt;
    if (colon < s || colon - s != kClockColonDistance) return std::nullopt;
    return ReadClockDigits(reply, s + 2, colon + 1);
}

std::optional<ClockUpdateReply> ParseClockUpdateReply(std::string_view reply) {
    std::optional<std::string> number = ScanWord(reply, "TIMER-UPDATE:%s");
    if (!number) return std::nullopt;
    if (*number == "NO") return ClockUpdateReply{false, {}};
    return ClockUpdateReply{true, *number};
}

std::optional<std::array<bool, 7>> ParseOutputsReply(std::string_view reply) {
    std::optional<std::string> digits = ScanWord(reply, "OUT IS %s");
    if (!digits) return std::nullopt;
    return ParseRelayDigits(*digits);
}

std::optional<std::array<bool, 7>> ParseRelayDigits(std::string_view text) {
    std::vector<ScanValue> values = ScanText(text, "%01d%01d%01d%01d%01d%01d%01d");
    if (values.size() < 7) return std::nullopt;
    std::array<bool, 7> relays{};
    for (std::size_t i = 0; i < relays.size(); ++i) relays[i] = std::get<int>(values[i]) != 0;
    return relays;
}

}  // namespace dorvik
