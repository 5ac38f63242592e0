#pragma once
// A scanf-style reader for the unit's replies. It follows the C rules for
// the conversions it knows ("%d", "%Nd", "%s", "%Ns", "%%"): "%d" skips
// leading white space and takes an optional sign, "%s" skips white space
// and stops at the next white space, a white-space character of the
// pattern matches any amount of white space (none included), and any other
// character must match exactly. Unlike scanf it never reads past the text,
// and an integer that does not fit in an int is a failed conversion.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace dorvik {

using ScanValue = std::variant<int, std::string>;

// The values converted before the first mismatch, in pattern order; their
// count is what scanf would return.
std::vector<ScanValue> ScanText(std::string_view text, std::string_view pattern);

// The first conversion of the pattern as an integer, when it succeeded.
std::optional<int> ScanInt(std::string_view text, std::string_view pattern);
// The first conversion of the pattern as a word, when it succeeded.
std::optional<std::string> ScanWord(std::string_view text, std::string_view pattern);

// An index ("%d") followed by a word ("%s"), as in "WHL%d IS %s".
struct IndexedWord {
    int index = 0;
    std::string word;
};
std::optional<IndexedWord> ScanIndexedWord(std::string_view text, std::string_view pattern);

// The leading decimal digits of the text as a number; 0 without digits;
// nullopt when they do not fit in an int.
std::optional<int> LeadingDigits(std::string_view text);

// The text without blanks and control characters at both ends.
std::string_view TrimLine(std::string_view text);

bool StartsWith(std::string_view text, std::string_view head);
bool Contains(std::string_view text, std::string_view part);

}  // namespace dorvik
