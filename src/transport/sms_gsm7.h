#pragma once
// The GSM 7-bit default alphabet with its extension table (reached through
// the escape septet 0x1B), and the packing of septets into octets.
// Septet strings hold one septet (0..127) per byte.
#include <cstddef>
#include <string>
#include <string_view>

namespace dorvik {

inline constexpr char kGsmEscape = 0x1B;
// Septet written for a character the alphabet cannot carry ("?").
inline constexpr char kGsmUnknown = 0x3F;

// UTF-16 text -> septets. Extension characters take two septets (escape and
// code); characters outside both tables become "?".
std::string GsmEncode(std::u16string_view text);

// True when every character of the text has a septet code.
bool IsGsmEncodable(std::u16string_view text);

// Septets -> UTF-16. An escape followed by a code outside the extension
// table, or ending the text, becomes "?".
std::u16string GsmDecode(std::string_view septets);

// Packs septets into octets, the first septet in the low bits of the first
// octet. The result has ceil(7 * count / 8) octets.
std::string PackSeptets(std::string_view septets);

// Unpacks `count` septets from packed octets; stops early (returning fewer)
// when the octets run out.
std::string UnpackSeptets(std::string_view octets, std::size_t count);

// Octets that `septets` packed septets occupy.
constexpr std::size_t PackedOctets(std::size_t septets) { return (septets * 7 + 7) / 8; }

}  // namespace dorvik
