#include "transport/sms_short_message.h"

#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kListTag = "+CMGL";
// Lines this short cannot be a PDU.
constexpr std::size_t kMinPduLine = 11;

// The SIM index of a "+CMGL: <index>,<status>,..." line; 0 when there is
// no number.
int ListIndex(std::string_view line) {
    std::size_t pos = line.find(kListTag) + kListTag.size();
    while (pos < line.size() && (line[pos] == ':' || line[pos] == ' ')) ++pos;
    int index = 0;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9' && index < 100000000; ++pos)
        index = index * 10 + (line[pos] - '0');
    return index;
}

// Cuts the next CR LF terminated line off the front of text; false when no
// line end remains.
bool NextLine(std::string_view& text, std::string_view& line) {
    std::size_t end = text.find(kLineEnd);
    if (end == std::string_view::npos) return false;
    line = text.substr(0, end);
    text.remove_prefix(end + kLineEnd.size());
    return true;
}

}  // namespace

void CShortMessage::ParseMessageList(std::string_view listText) {
    listText_ = std::string(listText);
    std::string_view rest = listText;
    std::string_view line;
    bool echoed = NextLine(rest, line);  // the first line echoes the command
    while (echoed && NextLine(rest, line) && line.find("OK") == std::string_view::npos) {
        int index = 0;
        if (line.find(kListTag) != std::string_view::npos) {
            index = ListIndex(line);
            if (!NextLine(rest, line)) break;
        }
        CSMSItem item;
        item.index = index;
        if (line.size() >= kMinPduLine && CSMSPDU::DecodePdu(item, line))
            items_.push_back(std::move(item));
    }
    if (items_.empty()) afterLast_ = true;
}

const CSMSItem* CShortMessage::Current() const {
    return cursor_ < items_.size() ? &items_[cursor_] : nullptr;
}

std::string CShortMessage::CurrentSender() const {
    return Current() ? Current()->sender : std::string();
}

std::string CShortMessage::CurrentBody() const {
    return Current() ? Current()->body : std::string();
}

std::string CShortMessage::CurrentTime() const {
    return Current() ? Current()->time : std::string();
}

void CShortMessage::MoveNext() {
    beforeFirst_ = false;
    if (cursor_ + 1 < items_.size())
        ++cursor_;
    else
        afterLast_ = true;
}

}  // namespace dorvik
