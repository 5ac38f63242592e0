// Recognisers of the list read-all replies and of the slot acknowledgements.
#include <cstddef>

#include "protocol/replies.h"
#include "protocol/request.h"
#include "protocol/text_scan.h"

namespace dorvik {
namespace {

// One section of the special list as the unit names it.
struct SpecialGroup {
    char letter;
    std::string_view pattern;
    int maxIndex;
    std::string_view emptyReply;  // empty: the unit never reports the group empty
};
constexpr SpecialGroup kSpecialGroups[] = {
    {'S', "SHL%d IS %s", 250, ""},
    {'P', "PHL%d IS %s", 300, kEmptySpecialGroupP},
    {'Q', "QHL%d IS %s", 250, kEmptySpecialGroupQ},
};

const SpecialGroup* FindSpecialGroup(char letter) {
    for (const SpecialGroup& g : kSpecialGroups) {
        if (g.letter == letter) return &g;
    }
    return nullptr;
}

// Head of a log line and how its index is read.
struct LogHead {
    char source;
    std::string_view head;
    std::string_view pattern;
};
constexpr LogHead kLogHeads[] = {{'W', "LOGW", "LOGW%d"}, {'S', "LOGS", "LOGS%d"}};

// The positions of the first two colons of a line.
struct TwoColons {
    std::size_t first, second;
};
std::optional<TwoColons> FindTwoColons(std::string_view line) {
    std::size_t first = line.find(':');
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t second = line.find(':', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    return TwoColons{first, second};
}

std::optional<SpecialListLine> ParseSpecialSlotLine(const SpecialGroup& g,
                                                    std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::optional<IndexedWord> head = ScanIndexedWord(line.substr(0, colon), g.pattern);
    if (!head || head->index < 1 || head->index > g.maxIndex) return std::nullopt;
    std::string_view rule = line.substr(colon + 1);
    std::optional<SpecialRule> fields = DecodeSpecialRule(rule);
    if (!fields) return std::nullopt;
    return SpecialListLine{false, g.letter, head->index, head->word, std::string(rule), *fields};
}

// How a reply is compared with the acknowledgement text, for the codes
// that differ from plain equality.
struct ConfirmationRule {
    int code;
    bool trimReply;
    bool trimAck;
    std::size_t minLength;  // the reply must be longer than this
};
constexpr ConfirmationRule kConfirmationRules[] = {
    {code::kWritePhoneSlot, true, true, 0},
    {code::kWriteSpecialSlot, true, false, 0},
    {code::kSetDeviceName, false, false, 10},
};

ConfirmationRule RuleOf(int requestCode) {
    for (const ConfirmationRule& rule : kConfirmationRules) {
        if (rule.code == requestCode) return rule;
    }
    return {requestCode, false, false, 0};
}

}  // namespace

bool IsConfirmation(int requestCode, std::string_view reply, std::string_view ack) {
    ConfirmationRule rule = RuleOf(requestCode);
    if (ack.empty() || reply.size() <= rule.minLength) return false;
    if (rule.trimReply) reply = TrimLine(reply);
    if (rule.trimAck) ack = TrimLine(ack);
    return reply == ack;
}

std::optional<PhoneListLine> ParsePhoneListLine(std::string_view line) {
    if (line == kEmptyPhoneList) return PhoneListLine{true, 0, {}};
    if (line.size() <= 3 || !StartsWith(line, "WHL")) return std::nullopt;
    std::optional<IndexedWord> slot = ScanIndexedWord(line, "WHL%d IS %s");
    if (!slot || slot->index < 1) return std::nullopt;
    return PhoneListLine{false, slot->index, slot->word};
}

std::optional<SpecialListLine> ParseSpecialListLine(std::string_view line) {
    if (line.empty()) return std::nullopt;
    const SpecialGroup* group = FindSpecialGroup(line.front());
    if (!group) return std::nullopt;
    if (!group->emptyReply.empty() && line == group->emptyReply) {
        SpecialListLine empty;
        empty.groupEmpty = true;
        empty.group = group->letter;
        return empty;
    }
    return ParseSpecialSlotLine(*group, line);
}

std::optional<AlarmListReply> ParseAlarmListReply(std::string_view line) {
    if (!StartsWith(line, "ALARM")) return std::nullopt;
    std::size_t s = line.find('S');
    if (s == std::string_view::npos || s + 2 > line.size()) return std::nullopt;
    AlarmListReply reply;
    std::size_t pos = s + 2;
    for (std::string& number : reply.numbers) {
        std::size_t colon = line.find(':', pos);
        if (colon == std::string_view::npos) break;
        number = line.substr(pos, colon - pos);
        pos = colon + 1;
    }
    return reply;
}

std::optional<HouseListLine> ParseHouseListLine(std::string_view line) {
    std::optional<TwoColons> colons = FindTwoColons(line);
    if (!colons) return std::nullopt;
    return HouseListLine{std::string(line.substr(0, colons->first)),
                         Contains(line, "DIAL1") ? 1 : 2,
                         std::string(line.substr(colons->second + 1))};
}

std::optional<LogLine> ParseLogLine(std::string_view line) {
    for (const LogHead& h : kLogHeads) {
        if (!StartsWith(line, h.head)) continue;
        std::optional<TwoColons> colons = FindTwoColons(line);
        if (!colons) return std::nullopt;
        std::optional<int> index = ScanInt(line.substr(0, colons->first), h.pattern);
        if (!index) return std::nullopt;
        std::size_t numberStart = colons->first + 1;
        return LogLine{h.source, *index,
                       std::string(line.substr(numberStart, colons->second - numberStart)),
                       std::string(line.substr(colons->second + 1))};
    }
    return std::nullopt;
}

std::optional<int> ReadPhoneAckIndex(std::string_view ack) {
    return ScanInt(ack, "WHL%04d SET TO %s");
}

std::optional<SpecialSlotRef> ReadSpecialAckSlot(std::string_view ack) {
    if (ack.empty() || !FindSpecialGroup(ack.front())) return std::nullopt;
    std::optional<int> index = ScanInt(ack.substr(1), "HL%03d SET TO %s");
    if (!index) return std::nullopt;
    return SpecialSlotRef{ack.front(), *index};
}

std::optional<int> ReadAlarmAckIndex(std::string_view ack) {
    return ScanInt(ack, "ALARM%02d SET TO %s");
}

std::optional<int> ReadRelayModeAck(std::string_view ack) {
    return ScanInt(ack, "RELAY SET TO MODE%d");
}

std::optional<int> ReadHouseAckSlot(std::string_view ack) { return ScanInt(ack, "%d"); }

}  // namespace dorvik
