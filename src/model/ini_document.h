#pragma once
// The text of an INI file read and changed the way the private-profile
// functions do: section and key names match without regard to ASCII case,
// the first of duplicate sections or keys counts, whitespace around names and
// values is ignored. Every other line (comments, unknown keys and sections)
// is kept as it is when a value is changed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// The text to write as a value so that Get returns exactly `value`: quoted
// when it has blanks at either end or is itself enclosed in matching quotes.
std::string QuoteForProfile(std::string_view value);

class IniDocument {
public:
    IniDocument() = default;
    // Lines end at CR LF, LF or CR; leading UTF-8 byte-order marks are dropped.
    explicit IniDocument(std::string_view text);

    // The value of key in section, trimmed, with one pair of matching
    // enclosing quotes (' or ") removed; nullopt when the key is absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Writes key=value in place when the key exists (keeping the file's
    // spelling of the name), else after the last line of the section, else
    // in a new section at the end. The value is written as given.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Every line followed by CR LF.
    std::string Text() const;

private:
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
    std::size_t InsertionPoint(std::size_t header) const;

    std::vector<std::string> lines_;
};

}  // namespace dorvik
