#pragma once
// The modem's SIM message slots and the way AT+CMGR shows a stored message.
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::unitsim {

struct ShortMessage {
    std::string sender;
    std::string body;  // the unit's own text bytes
    std::time_t received = 0;
    bool read = false;
};

// How AT+CMGR shows a message.
struct ReadLayout {
    bool pdu = false;
    bool ucs2 = false;   // PDU mode: UCS2 even when the GSM alphabet would do
    bool alias = false;  // fill the alias field
    bool extra = false;  // text mode: the parameters shown after AT+CSDH=1
};

// Slots 1..kSlots; a new message takes the lowest free one.
class MessageStore {
public:
    static constexpr int kSlots = 30;
    // The slot taken; nothing while all are full.
    std::optional<int> Add(ShortMessage message);
    ShortMessage* Find(int index);
    bool Erase(int index);
    std::map<int, ShortMessage>& Messages() { return slots_; }

private:
    std::map<int, ShortMessage> slots_;
};

// The "+CMGR:" line and what follows it up to (not including) the last line
// end before "OK"; marks the message read.
std::string ReadAnswer(ShortMessage& message, const ReadLayout& layout);

// One message of the answer to AT+CMGL: its "+CMGL:" line and, after a
// line end, its text or PDU; marks the message read.
std::string ListAnswer(int index, ShortMessage& message, const ReadLayout& layout);

// The messages a reply line goes out as: the line itself when it fits one
// message, else parts of at most 160 septets (70 UCS2 units when it needs
// UCS2, or when forceUcs2), cut between characters.
std::vector<std::string> SplitForSms(std::string_view body, bool forceUcs2);

}  // namespace dorvik::unitsim
