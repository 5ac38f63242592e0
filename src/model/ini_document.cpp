#include "model/ini_document.h"

#include <algorithm>

namespace dorvik {
namespace {

// Characters the profile functions treat as blanks; 0x1A is the old DOS
// end-of-file mark that some editors leave behind.
constexpr std::string_view kBlanks = " \t\v\f\x1a";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    const std::size_t end = text.find_last_not_of(kBlanks);
    return text.substr(begin, end - begin + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The name a section header line opens, trimmed; nullopt for other lines.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::string_view value;
};

// A "name=value" line split at its first '=', both parts trimmed.
std::optional<KeyLine> SplitKey(std::string_view line) {
    line = Trim(line);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string Unquote(std::string_view value) {
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string KeyText(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

}  // namespace

std::string QuoteForProfile(std::string_view value) {
    const bool blankEnds = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    if (blankEnds || IsQuoted(value)) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

IniDocument::IniDocument(std::string_view text) {
    // Every leading mark: the text is written without one, and must read the same.
    while (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines_.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
        text.remove_prefix(next);
    }
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto at = FindKey(*header, key);
    if (!at) return std::nullopt;
    return Unquote(SplitKey(lines_[*at])->value);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const auto header = FindSection(section);
    if (!header) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(KeyText(key, value));
        return;
    }
    if (const auto at = FindKey(*header, key)) {
        lines_[*at] = KeyText(SplitKey(lines_[*at])->name, value);
        return;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(InsertionPoint(*header)), KeyText(key, value));
}

std::string IniDocument::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (name && SameName(*name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i])) ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, std::string_view key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto line = SplitKey(lines_[i]);
        if (line && SameName(line->name, key)) return i;
    }
    return std::nullopt;
}

// Just after the last non-blank line of the section, so that blank lines
// separating it from the next section stay where they are.
std::size_t IniDocument::InsertionPoint(std::size_t header) const {
    const std::size_t end = SectionEnd(header);
    std::size_t last = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!Trim(lines_[i]).empty()) last = i;
    }
    return last + 1;
}

}  // namespace dorvik
