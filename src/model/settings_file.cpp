#include "model/settings_file.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "model/config_dir.h"
#include "model/ini_document.h"

namespace dorvik {
namespace {

using Field = std::variant<bool ConnectionSettings::*, int ConnectionSettings::*,
                           char ConnectionSettings::*, std::string ConnectionSettings::*>;

struct SettingKey {
    const char* section;
    const char* key;
    Field field;
};

// Every key in the order it is written.
const SettingKey kKeys[] = {
    {"INIT", "auto", &ConnectionSettings::autoOpen},
    {"INIT", "ADDR", &ConnectionSettings::projectPath},
    {"INIT", "password", &ConnectionSettings::password},
    {"INIT", "unitID", &ConnectionSettings::unitId},
    {"INIT", "unitphonenumber", &ConnectionSettings::unitPhoneNumber},
    {"INIT", "messagecenter", &ConnectionSettings::messageCenter},
    {"INIT", "savepassword", &ConnectionSettings::savePassword},
    {"INIT", "usemodem", &ConnectionSettings::useModem},
    {"INIT", "usepassword", &ConnectionSettings::tavrinMode},
    {"INIT", "expiredtime", &ConnectionSettings::expiredTime},
    {"PORT", "nport", &ConnectionSettings::port},
    {"PORT", "databit", &ConnectionSettings::dataBits},
    {"PORT", "stopbit", &ConnectionSettings::stopBits},
    {"PORT", "band", &ConnectionSettings::baud},
    {"PORT", "parity", &ConnectionSettings::parity},
};

// The leading decimal integer of text like atoi: an optional sign, then
// digits; anything after them is ignored, no digits give 0, and values
// beyond the int range are held at its ends.
int LeadingInt(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    constexpr long long kLimit = -static_cast<long long>(INT_MIN);
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

// Bytes of the GB18030 character at text[i]: 1, 2 or 4, within the text.
std::size_t GbCharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 >= text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    const std::size_t length = (second >= 0x30 && second <= 0x39) ? 4 : 2;
    return std::min(length, text.size() - i);
}

// The longest prefix of at most max bytes that ends on a character boundary.
std::string_view CutToCharacters(std::string_view text, std::size_t max) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + GbCharLength(text, end);
        if (next > max) break;
        end = next;
    }
    return text.substr(0, end);
}

// A text never carries a line break or NUL into the file: it would end the
// line and could inject keys. The text is cut before the first one.
std::string_view OneLine(std::string_view text) {
    return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
}

std::string Format(bool value) { return value ? "1" : "0"; }
std::string Format(int value) { return std::to_string(value); }
std::string Format(const std::string& value) { return QuoteForProfile(OneLine(value)); }
// A blank or control character (an empty parity box) stands for no parity.
char ParityLetter(char value) {
    const bool control = static_cast<unsigned char>(value) <= 0x20 || value == 0x7F;
    return control ? 'N' : value;
}

std::string Format(char value) { return std::string(1, ParityLetter(value)); }

// A present text is taken even when empty.
void Parse(const std::optional<std::string>& raw, std::string& field) {
    if (raw) field = std::string(CutToCharacters(OneLine(*raw), kMaxSettingText));
}
// An absent or empty value keeps the default, as the profile functions do
// for integers.
void Parse(const std::optional<std::string>& raw, int& field) {
    if (raw && !raw->empty()) field = LeadingInt(*raw);
}
void Parse(const std::optional<std::string>& raw, bool& field) {
    if (raw && !raw->empty()) field = LeadingInt(*raw) != 0;
}
void Parse(const std::optional<std::string>& raw, char& field) {
    if (raw && !raw->empty()) field = ParityLetter((*raw)[0]);
}

}  // namespace

std::string SettingsText(const ConnectionSettings& settings, const std::string& existing) {
    IniDocument doc(existing);
    for (const SettingKey& row : kKeys) {
        const std::string value =
            std::visit([&](auto member) { return Format(settings.*member); }, row.field);
        doc.Set(row.section, row.key, value);
    }
    return doc.Text();
}

ConnectionSettings ParseSettings(const std::string& text) {
    const IniDocument doc(text);
    ConnectionSettings settings;
    for (const SettingKey& row : kKeys) {
        const auto raw = doc.Get(row.section, row.key);
        std::visit([&](auto member) { Parse(raw, settings.*member); }, row.field);
    }
    return settings;
}

SettingsFile::SettingsFile() : SettingsFile(DefaultSettingsPath()) {}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

ConnectionSettings SettingsFile::Read() { return Read(path_); }

ConnectionSettings SettingsFile::Read(const std::string& path) {
    error_.clear();
    std::string text;
    if (ReadWholeFile(path, &text, &error_) != ReadStatus::kRead) return ConnectionSettings{};
    return ParseSettings(text);
}

bool SettingsFile::Write(const ConnectionSettings& settings) { return Write(path_, settings); }

// Lines of an existing file that are not ours are kept; a file that exists
// but cannot be read is left alone rather than replaced blindly.
bool SettingsFile::Write(const std::string& path, const ConnectionSettings& settings) {
    error_.clear();
    std::string existing;
    if (ReadWholeFile(path, &existing, &error_) == ReadStatus::kFailed) return false;
    return WriteFileAtomically(path, SettingsText(settings, existing), rename_, &error_);
}

}  // namespace dorvik
