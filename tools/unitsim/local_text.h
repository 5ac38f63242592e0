#pragma once
// The unit's own text bytes (GB18030) to and from UTF-16, for the short
// messages that carry them in UCS2 or in the GSM alphabet.
#include <string>
#include <string_view>

namespace dorvik::unitsim {

// Invalid or unconvertible input becomes "?" rather than being dropped.
std::u16string LocalToUtf16(std::string_view local);
std::string Utf16ToLocal(std::u16string_view text);

// UTF-16 units as bytes, high byte first (UCS2 on the air), and back; an odd last byte is dropped.
std::string ToUtf16Be(std::u16string_view text);
std::u16string FromUtf16Be(std::string_view bytes);

}  // namespace dorvik::unitsim
