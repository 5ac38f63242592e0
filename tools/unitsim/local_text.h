#pragma once
// The unit's own text bytes (GB18030) to and from UTF-16, for the short
// messages that carry them in UCS2 or in the GSM alphabet.
#include <string>
#include <string_view>

namespace dorvik::unitsim {

// Invalid or unconvertible input becomes "?" rather than being dropped.
std::u16string LocalToUtf16(std::string_view local);
std::string Utf16ToLocal(std::u16string_view text);

}  // namespace dorvik::unitsim
