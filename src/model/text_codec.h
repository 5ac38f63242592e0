#pragma once
// Conversions between the tool's internal text (GB18030 bytes) and the
// encodings at its borders: UTF-8 (project file), UTF-16 (widgets, UCS2 of
// short messages). Results have any length; nothing is truncated.
#include <string>
#include <string_view>

namespace dorvik {

// Replacement for every input sequence that cannot be converted.
inline constexpr char kBadTextMark = '?';

// GB18030 -> UTF-8. Each invalid or incomplete GB18030 sequence becomes "?".
std::string GbToUtf8(std::string_view gb);
// UTF-8 -> GB18030. Each invalid UTF-8 sequence becomes "?"; *ok (when given)
// tells whether the whole input was valid.
std::string Utf8ToGb(std::string_view utf8, bool* ok = nullptr);
// GB18030 -> UTF-16 code units (native order).
std::u16string GbToUtf16(std::string_view gb);
// UTF-16 code units -> GB18030; unpaired surrogates become "?".
std::string Utf16ToGb(std::u16string_view utf16);

// True when the text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace dorvik
