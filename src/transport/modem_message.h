#pragma once
// Reads the short message in a modem's answer to AT+CMGR, in text mode and
// in PDU mode, and decides whether it came from the unit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transport/sms_item.h"

namespace dorvik {

// The fields after "+CMGR:", split at commas outside double quotes, each
// without its blanks and quotes.
std::vector<std::string> SplitHeaderFields(std::string_view header);

// Text mode. header is the "+CMGR:" line: status, sender, an optional alias,
// the time stamp, and possibly the further fields a modem shows with its
// text-mode parameters (the last of them the body length). Fails when the
// header has no sender or the body is shorter than the header says.
std::optional<CSMSItem> ReadTextModeMessage(std::string_view header, const std::string& body);

// PDU mode. header is the "+CMGR:" line ending with the PDU length in
// octets; pduLine the PDU in hex. Fails when the PDU is not whole hex
// octets, is shorter than the header says, or does not decode.
std::optional<CSMSItem> ReadPduModeMessage(std::string_view header, std::string_view pduLine);

// One message of a listing (AT+CMGL): its index and its sender.
struct ListedMessage {
    int index = 0;
    std::string sender;
};
// header is the "+CMGL:" line, line the one after it: the text in text mode,
// the PDU in PDU mode. Fails when the header has no index or no sender can
// be read.
std::optional<ListedMessage> ReadListedMessage(std::string_view header, std::string_view line,
                                               bool pdu);

// True when sender and unitPhone are the same number, one of them maybe
// with a longer (international) prefix: the digits of one end with all the
// digits of the other, and the shorter has at least kMinMatchDigits digits.
// A number is digits after an optional "+"; anything else never matches.
bool IsUnitSender(std::string_view sender, std::string_view unitPhone);
inline constexpr std::size_t kMinMatchDigits = 7;

}  // namespace dorvik
