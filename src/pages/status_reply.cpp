#include "pages/status_reply.h"

#include <algorithm>
#include <cstddef>

#include "model/decimal_text.h"
#include "protocol/text_scan.h"

namespace dorvik {

const StatusDialect kSingleRelayStatus{{"ALM1=", "ALM2="}, true, true, "RELAY1=ON", "RELAY1=OFF"};
const StatusDialect kMultiRelayStatus{{"ALARM1=", "ALARM2="}, false, false, "RELAY=ON",
                                      "RELAY=OFF"};

namespace {

constexpr std::size_t kNone = std::string_view::npos;
// The alarm text starts this far after the second occurrence of its key.
constexpr std::size_t kContentOffset = 7;
constexpr std::size_t kTailDigits = 2;

struct AlarmKey {
    bool on = false;
    std::size_t pos = 0;
};

std::optional<AlarmKey> FindAlarmState(std::string_view reply, std::string_view key) {
    const std::string text(key);
    if (std::size_t on = reply.find(text + "ON"); on != kNone) return AlarmKey{true, on};
    if (std::size_t off = reply.find(text + "OFF"); off != kNone) return AlarmKey{false, off};
    return std::nullopt;
}

std::string_view Slice(std::string_view text, std::size_t from, std::size_t to) {
    if (from >= to || from >= text.size()) return {};
    return text.substr(from, to - from);
}

// The text after `key` up to the next comma.
std::optional<std::string> Item(std::string_view reply, std::string_view key) {
    const std::size_t at = reply.find(key);
    if (at == kNone) return std::nullopt;
    const std::size_t start = at + key.size();
    const std::size_t comma = reply.find(',', start);
    if (comma == kNone) return std::nullopt;
    return std::string(Slice(reply, start, comma));
}

// The alarm text behind the key's second occurrence, up to the next comma.
std::optional<std::string> AlarmContent(std::string_view reply, std::string_view key,
                                        std::size_t statePos) {
    const std::size_t again = reply.find(key, statePos + 1);
    if (again == kNone) return std::nullopt;
    const std::size_t comma = reply.find(',', again + 1);
    if (comma == kNone) return std::nullopt;
    return std::string(Slice(reply, again + kContentOffset, comma));
}

// The digits that end the segment, at most two of them.
int TailInterval(std::string_view segment) {
    std::string_view tail = segment.substr(segment.size() - std::min(segment.size(), kTailDigits));
    std::size_t first = tail.size();
    while (first > 0 && tail[first - 1] >= '0' && tail[first - 1] <= '9') --first;
    return LeadingInt(tail.substr(first));
}

// The number right after "<key>ON:SMS:" (state and mode as found); 0 when
// the segment does not start that way.
int PrefixedInterval(std::string_view segment, std::string_view key, const AlarmInputStatus& a) {
    std::string prefix(key);
    prefix += a.on ? "ON:" : "OFF:";
    prefix += a.phone ? "PHONE:" : "SMS:";
    if (!StartsWith(segment, prefix)) return 0;
    return LeadingInt(segment.substr(prefix.size()));
}

AlarmInputStatus ReadAlarm(std::string_view segment, std::string_view key, bool on,
                           const StatusDialect& dialect) {
    AlarmInputStatus a;
    a.on = on;
    a.phone = !(Contains(segment, "SMS") && !Contains(segment, "PHONE"));
    a.interval = dialect.intervalFromTail ? TailInterval(segment) : PrefixedInterval(segment, key, a);
    return a;
}

bool Flag(std::string_view reply, std::string_view on, std::string_view off) {
    return Contains(reply, on) && !Contains(reply, off);
}

}  // namespace

std::optional<StatusReport> ParseStatusReply(std::string_view reply, const StatusDialect& dialect) {
    const std::optional<AlarmKey> first = FindAlarmState(reply, dialect.alarmKeys[0]);
    if (!first) return std::nullopt;
    const std::optional<AlarmKey> second = FindAlarmState(reply, dialect.alarmKeys[1]);
    if (!second) return std::nullopt;

    // 1. Each alarm's segment: the first ends at the second alarm's key (at a
    //    comma when the second comes first), the second at a comma.
    std::size_t end1 = reply.find(',', first->pos);
    if (second->pos > first->pos) end1 = second->pos - (dialect.dropSeparator ? 1 : 0);
    const std::string_view s1 = Slice(reply, first->pos, end1);
    const std::string_view s2 = Slice(reply, second->pos, reply.find(',', second->pos));

    // 2. State, mode, interval and text of each alarm input.
    StatusReport report;
    report.alarms[0] = ReadAlarm(s1, dialect.alarmKeys[0], first->on, dialect);
    report.alarms[1] = ReadAlarm(s2, dialect.alarmKeys[1], second->on, dialect);
    report.alarms[0].content = AlarmContent(reply, dialect.alarmKeys[0], first->pos);
    report.alarms[1].content = AlarmContent(reply, dialect.alarmKeys[1], second->pos);

    // 3. The items that stand on their own.
    report.delay = Item(reply, "GOT=");
    report.reception = Item(reply, "CSQ=");
    report.battery = Item(reply, "BCPW=");
    report.relayOn = Flag(reply, dialect.relayOn, dialect.relayOff);
    report.relay2On = Flag(reply, "RELAY2=ON", "RELAY2=OFF");
    return report;
}

DelayReading ReadStatusDelay(std::string_view item) {
    DelayReading reading;
    std::size_t unitChars = 1;
    if (Contains(item, "MS")) {
        reading.unitIndex = 2;
        unitChars = 2;
    } else if (Contains(item, "S")) {
        reading.unitIndex = 1;
    }
    reading.value = item.substr(0, item.size() - std::min(item.size(), unitChars));
    return reading;
}

BatteryReading ReadStatusBattery(std::string_view item) {
    const std::size_t colon = item.find(':');
    return {!Contains(item, "OFF"), std::string(colon == kNone ? item : item.substr(colon + 1))};
}

}  // namespace dorvik
