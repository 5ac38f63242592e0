#pragma once
// The modem's own short-message PDU pieces: SMS-SUBMIT in (what the tool
// sends), SMS-DELIVER out (what the modem stores), the GSM 7-bit default
// alphabet with its extension table, and UCS2.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::unitsim {

using Septets = std::vector<std::uint8_t>;

// Two upper-case hex digits per byte.
std::string ToHex(std::string_view bytes);
// Bytes from hex digits of either case; nothing for an odd count or a non-hex digit.
std::optional<std::string> FromHex(std::string_view hex);

// The text in the default alphabet (extension characters as ESC + code);
// nothing when a character has no septet.
std::optional<Septets> ToSeptets(std::u16string_view text);
// Unknown extension codes become "?".
std::u16string FromSeptets(const Septets& septets);
std::string Pack7(const Septets& septets);
// `count` septets from packed octets; missing octets read as zero bits.
Septets Unpack7(std::string_view octets, std::size_t count);

struct Submit {
    std::string destination;  // "+" in front for an international number
    std::u16string text;
};

// A whole SMS-SUBMIT PDU (service centre field first) whose TPDU must be
// exactly tpduLength octets long; nothing for anything malformed or cut short.
std::optional<Submit> DecodeSubmit(std::string_view hex, int tpduLength);

struct Stamp {
    int year, month, day, hour, minute, second;
    int zoneQuarters;  // offset from UTC in quarters of an hour
};

struct Deliver {
    std::string serviceCentre;  // digits, "+" in front when international
    std::string sender;         // likewise
    std::u16string text;        // must fit one message (160 septets or 70 UCS2 units)
    Stamp stamp;
    bool ucs2 = false;          // otherwise 7-bit when every character has a septet
};

struct DeliverPdu {
    std::string hex;
    int tpduLength;  // octets after the service centre field
};

DeliverPdu EncodeDeliver(const Deliver& message);

}  // namespace dorvik::unitsim
