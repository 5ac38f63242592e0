#include "unitsim/gsm_pdu.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "unitsim/local_text.h"

namespace dorvik::unitsim {
namespace {

constexpr std::uint8_t kEscape = 0x1B;

// The default alphabet, by septet value; the ESC slot is never matched.
constexpr std::u16string_view kDefault =
    u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞ\x1B"
    u"ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
static_assert(kDefault.size() == 128);

constexpr std::array<std::pair<std::uint8_t, char16_t>, 10> kExtension{{
    {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'},
    {0x3C, u'['}, {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'}, {0x65, u'€'},
}};

constexpr int kMaxSeptets = 160;
constexpr int kMaxOctets = 140;
// Octets of the validity period for each validity-period format.
constexpr std::array<std::size_t, 4> kValiditySize{0, 7, 1, 7};

// Reads octets from the front; reading past the end marks the reader failed.
class Reader {
public:
    explicit Reader(std::string_view octets) : rest_(octets) {}
    std::uint8_t Byte() {
        const std::string_view part = Take(1);
        return part.empty() ? 0 : static_cast<std::uint8_t>(part[0]);
    }
    std::string_view Take(std::size_t n) {
        if (n > rest_.size()) failed_ = true;
        const std::string_view part = failed_ ? std::string_view() : rest_.substr(0, n);
        rest_.remove_prefix(part.size());
        return part;
    }
    bool Done() const { return !failed_ && rest_.empty(); }
    bool failed() const { return failed_; }

private:
    std::string_view rest_;
    bool failed_ = false;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::uint8_t Bcd(int value) { return static_cast<std::uint8_t>((value % 10) << 4 | (value / 10) % 10); }

// Digits in semi-octet order, padded with F when odd; the caller checks for digits.
std::string SemiOctets(std::string_view digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = i + 1 < digits.size() ? digits[i + 1] - '0' : 0xF;
        out += static_cast<char>(high << 4 | (digits[i] - '0'));
    }
    return out;
}

// Type octet and semi-octets of a number; international when it starts with "+".
std::string NumberField(std::string_view number) {
    const bool international = number.starts_with('+');
    if (international) number.remove_prefix(1);
    return static_cast<char>(international ? 0x91 : 0x81) + SemiOctets(number);
}

// An address field: digit count, type, semi-octets; nothing for other than digits.
std::optional<std::string> ReadAddress(Reader& reader) {
    const std::size_t digits = reader.Byte();
    const std::uint8_t type = reader.Byte();
    const std::string_view packed = reader.Take((digits + 1) / 2);
    std::string number = type == 0x91 ? "+" : "";
    for (std::size_t i = 0; i < digits && !reader.failed(); ++i) {
        const int digit = (static_cast<std::uint8_t>(packed[i / 2]) >> (i % 2 * 4)) & 0xF;
        if (digit > 9) return std::nullopt;
        number += static_cast<char>('0' + digit);
    }
    if (reader.failed() || (type & 0x70) == 0x50) return std::nullopt;  // alphanumeric: not a phone
    return number;
}

// The user data for the coding of the general data coding group; nothing for other codings.
std::optional<std::u16string> ReadUserData(Reader& reader, std::uint8_t dcs) {
    const std::size_t length = reader.Byte();
    if ((dcs & 0xE0) != 0) return std::nullopt;  // compressed or another coding group
    const int coding = (dcs >> 2) & 3;
    if (coding == 0 && length <= kMaxSeptets) return FromSeptets(Unpack7(reader.Take((length * 7 + 7) / 8), length));
    if (coding == 3 || length > kMaxOctets || (coding == 2 && length % 2 != 0)) return std::nullopt;
    const std::string_view data = reader.Take(length);
    if (coding == 2) return FromUtf16Be(data);
    std::u16string text;  // 8-bit data: one character per octet
    for (unsigned char octet : data) text += octet;
    return text;
}

}  // namespace

std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0xF];
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

std::optional<Septets> ToSeptets(std::u16string_view text) {
    Septets septets;
    for (char16_t c : text) {
        const std::size_t code = kDefault.find(c);
        if (code != std::u16string_view::npos && code != kEscape) {
            septets.push_back(static_cast<std::uint8_t>(code));
            continue;
        }
        const auto* ext = std::find_if(kExtension.begin(), kExtension.end(), [c](auto& e) { return e.second == c; });
        if (ext == kExtension.end()) return std::nullopt;
        septets.insert(septets.end(), {kEscape, ext->first});
    }
    return septets;
}

std::u16string FromSeptets(const Septets& septets) {
    std::u16string text;
    for (std::size_t i = 0; i < septets.size(); ++i) {
        if (septets[i] != kEscape) {
            text += kDefault[septets[i] & 0x7F];
            continue;
        }
        const std::uint8_t code = ++i < septets.size() ? septets[i] : 0xFF;
        const auto* ext =
            std::find_if(kExtension.begin(), kExtension.end(), [code](auto& e) { return e.first == code; });
        text += ext == kExtension.end() ? u'?' : ext->second;
    }
    return text;
}

std::string Pack7(const Septets& septets) {
    std::string out;
    unsigned bits = 0;
    int held = 0;
    for (std::uint8_t s : septets) {
        bits |= static_cast<unsigned>(s & 0x7F) << held;
        for (held += 7; held >= 8; held -= 8, bits >>= 8) out += static_cast<char>(bits & 0xFF);
    }
    if (held > 0) out += static_cast<char>(bits & 0xFF);
    return out;
}

Septets Unpack7(std::string_view octets, std::size_t count) {
    const auto at = [octets](std::size_t i) { return i < octets.size() ? static_cast<std::uint8_t>(octets[i]) : 0u; };
    Septets septets;
    for (std::size_t bit = 0; septets.size() < count; bit += 7) {
        const unsigned pair = at(bit / 8) | at(bit / 8 + 1) << 8;
        septets.push_back(static_cast<std::uint8_t>(pair >> (bit % 8) & 0x7F));
    }
    return septets;
}

std::optional<Submit> DecodeSubmit(std::string_view hex, int tpduLength) {
    const auto bytes = FromHex(hex);
    if (!bytes || bytes->empty() || tpduLength < 0) return std::nullopt;
    const std::size_t centre = static_cast<std::uint8_t>((*bytes)[0]);
    if (bytes->size() != 1 + centre + static_cast<std::size_t>(tpduLength)) return std::nullopt;
    Reader reader(std::string_view(*bytes).substr(1 + centre));
    const std::uint8_t first = reader.Byte();
    if ((first & 0x03) != 0x01 || (first & 0x40) != 0) return std::nullopt;  // SMS-SUBMIT, no user data header
    reader.Byte();  // message reference
    auto destination = ReadAddress(reader);
    reader.Byte();  // protocol identifier
    const std::uint8_t dcs = reader.Byte();
    reader.Take(kValiditySize[(first >> 3) & 3]);
    auto text = ReadUserData(reader, dcs);
    if (!destination || !text || !reader.Done()) return std::nullopt;
    return Submit{std::move(*destination), std::move(*text)};
}

DeliverPdu EncodeDeliver(const Deliver& message) {
    const auto septets = message.ucs2 ? std::nullopt : ToSeptets(message.text);
    const std::string sender = NumberField(message.sender);
    const std::size_t senderDigits = message.sender.size() - (message.sender.starts_with('+') ? 1 : 0);
    std::string tpdu = "\x04";  // SMS-DELIVER, no more messages waiting
    tpdu += static_cast<char>(senderDigits) + sender + '\0' + static_cast<char>(septets ? 0x00 : 0x08);
    const Stamp& t = message.stamp;
    for (int field : {t.year % 100, t.month, t.day, t.hour, t.minute, t.second}) tpdu += static_cast<char>(Bcd(field));
    tpdu += static_cast<char>(Bcd(std::abs(t.zoneQuarters)) | (t.zoneQuarters < 0 ? 0x08 : 0));
    const std::string data = septets ? Pack7(*septets) : ToUtf16Be(message.text);
    tpdu += static_cast<char>(septets ? septets->size() : data.size()) + data;
    const std::string centre = NumberField(message.serviceCentre);
    return {ToHex(static_cast<char>(centre.size()) + centre + tpdu), static_cast<int>(tpdu.size())};
}

}  // namespace dorvik::unitsim
