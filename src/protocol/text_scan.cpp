#include "protocol/text_scan.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace dorvik {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A cursor over the text that never moves past its end.
struct Reader {
    std::string_view text;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return text[pos]; }
    void SkipSpace() {
        while (!AtEnd() && IsSpace(Peek())) ++pos;
    }
};

// "%d" with an optional maximum width (0: none); the width counts the sign.
std::optional<int> ReadInt(Reader& r, std::size_t width) {
    r.SkipSpace();
    std::size_t limit = width == 0 ? r.text.size() : std::min(r.text.size(), r.pos + width);
    std::size_t i = r.pos;
    bool negative = false;
    if (i < limit && (r.text[i] == '+' || r.text[i] == '-')) negative = r.text[i++] == '-';
    long long value = 0;
    std::size_t firstDigit = i;
    for (; i < limit && IsDigit(r.text[i]); ++i) {
        value = value * 10 + (r.text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (i == firstDigit) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    r.pos = i;
    return static_cast<int>(value);
}

// "%s" with an optional maximum width (0: none).
std::optional<std::string> ReadWord(Reader& r, std::size_t width) {
    r.SkipSpace();
    std::size_t start = r.pos;
    while (!r.AtEnd() && !IsSpace(r.Peek()) && (width == 0 || r.pos - start < width)) ++r.pos;
    if (r.pos == start) return std::nullopt;
    return std::string(r.text.substr(start, r.pos - start));
}

// Reads the width digits of a conversion; `at` is left on the type letter.
std::size_t ReadWidth(std::string_view pattern, std::size_t& at) {
    std::size_t width = 0;
    while (at < pattern.size() && IsDigit(pattern[at])) {
        if (width < 1000) width = width * 10 + static_cast<std::size_t>(pattern[at] - '0');
        ++at;
    }
    return width;
}

// Runs one conversion; false ends the scan.
bool Convert(Reader& r, char type, std::size_t width, std::vector<ScanValue>& out) {
    if (type == 'd') {
        std::optional<int> n = ReadInt(r, width);
        if (n) out.emplace_back(*n);
        return n.has_value();
    }
    if (type == 's') {
        std::optional<std::string> w = ReadWord(r, width);
        if (w) out.emplace_back(std::move(*w));
        return w.has_value();
    }
    return false;
}

}  // namespace

std::vector<ScanValue> ScanText(std::string_view text, std::string_view pattern) {
    std::vector<ScanValue> out;
    Reader r{text};
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        char c = pattern[p];
        if (IsSpace(c)) {
            r.SkipSpace();
            continue;
        }
        bool literal = c != '%' || (p + 1 < pattern.size() && pattern[p + 1] == '%');
        if (literal) {
            if (c == '%') ++p;
            if (r.AtEnd() || r.Peek() != c) break;
            ++r.pos;
            continue;
        }
        ++p;
        std::size_t width = ReadWidth(pattern, p);
        if (p >= pattern.size() || !Convert(r, pattern[p], width, out)) break;
    }
    return out;
}

std::optional<int> ScanInt(std::string_view text, std::string_view pattern) {
    std::vector<ScanValue> values = ScanText(text, pattern);
    if (values.empty() || !std::holds_alternative<int>(values.front())) return std::nullopt;
    return std::get<int>(values.front());
}

std::optional<std::string> ScanWord(std::string_view text, std::string_view pattern) {
    std::vector<ScanValue> values = ScanText(text, pattern);
    if (values.empty() || !std::holds_alternative<std::string>(values.front())) {
        return std::nullopt;
    }
    return std::get<std::string>(values.front());
}

std::optional<IndexedWord> ScanIndexedWord(std::string_view text, std::string_view pattern) {
    std::vector<ScanValue> values = ScanText(text, pattern);
    if (values.size() < 2 || !std::holds_alternative<int>(values[0]) ||
        !std::holds_alternative<std::string>(values[1])) {
        return std::nullopt;
    }
    return IndexedWord{std::get<int>(values[0]), std::get<std::string>(values[1])};
}

std::optional<int> LeadingDigits(std::string_view text) {
    long long value = 0;
    for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string_view TrimLine(std::string_view text) {
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; };
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace dorvik
