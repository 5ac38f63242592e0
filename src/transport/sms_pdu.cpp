#include "transport/sms_pdu.h"

#include <algorithm>

#include "model/text_codec.h"
#include "transport/sms_gsm7.h"

namespace dorvik {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// SMS-SUBMIT, relative validity period present; message reference 0 (the
// modem assigns one); validity period octet.
constexpr std::string_view kSubmitHeader = "1100";
constexpr std::string_view kValidityPeriod = "00";

constexpr std::size_t kMaxSeptets = 160;
constexpr std::size_t kMaxUserDataOctets = 140;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string HexOctet(std::size_t value) {
    return {kHexDigits[(value >> 4) & 0xF], kHexDigits[value & 0xF]};
}

// The digits of a number without its optional leading "+"; nullopt when it
// is empty, too long or holds anything but digits.
std::optional<std::string> AddressDigits(std::string_view number) {
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    if (number.empty() || number.size() > kMaxAddressDigits) return std::nullopt;
    if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::string(number);
}

// The type octet of a number: international when written with "+", else
// unknown (the network reads it as dialled), so that a national number is
// not sent abroad.
std::uint8_t AddressType(std::string_view number) {
    return !number.empty() && number.front() == '+' ? kInternationalType : kUnknownType;
}

// Length in octets (type included), type, digits. An empty number gives the
// zero length that tells the modem to use its own service centre.
std::optional<std::string> ServiceCentreField(std::string_view number) {
    if (number.empty()) return "00";
    std::optional<std::string> digits = AddressDigits(number);
    if (!digits) return std::nullopt;
    return HexOctet((digits->size() + 1) / 2 + 1) + HexOctet(AddressType(number)) +
           CSMSPDU::SwapDigits(*digits);
}

// Length in digits, type, digits.
std::optional<std::string> DestinationField(std::string_view number) {
    std::optional<std::string> digits = AddressDigits(number);
    if (!digits) return std::nullopt;
    return HexOctet(digits->size()) + HexOctet(AddressType(number)) + CSMSPDU::SwapDigits(*digits);
}

// User data length and user data. The length counts septets for the GSM
// alphabet (an extension character takes two), octets otherwise.
std::optional<std::string> UserDataField(std::uint8_t dataCoding, std::string_view text) {
    SmsAlphabet alphabet = CSMSPDU::AlphabetOf(dataCoding);
    if (alphabet == SmsAlphabet::Gsm7) {
        std::string septets = GsmEncode(GbToUtf16(text));
        if (septets.size() > kMaxSeptets) return std::nullopt;
        return HexOctet(septets.size()) + CSMSPDU::BytesToHex(PackSeptets(septets));
    }
    std::string data = alphabet == SmsAlphabet::Ucs2 ? CSMSPDU::ToUcs2(text) : std::string(text);
    if (data.size() > kMaxUserDataOctets) return std::nullopt;
    return HexOctet(data.size()) + CSMSPDU::BytesToHex(data);
}

}  // namespace

std::optional<std::string> CSMSPDU::EncodePdu(const SmsSubmit& message) {
    std::optional<std::string> centre = ServiceCentreField(message.serviceCentre);
    std::optional<std::string> destination = DestinationField(message.destination);
    std::optional<std::string> userData = UserDataField(message.dataCoding, message.text);
    if (!centre || !destination || !userData) return std::nullopt;
    return *centre + std::string(kSubmitHeader) + *destination + HexOctet(message.protocolId) +
           HexOctet(message.dataCoding) + std::string(kValidityPeriod) + *userData;
}

int CSMSPDU::TpduLength(std::string_view pduHex) {
    if (pduHex.size() < 2 || pduHex.size() % 2 != 0) return -1;
    int centreOctets = HexPairValue(pduHex[0], pduHex[1]);
    int length = int(pduHex.size() / 2) - (centreOctets + 1);
    return centreOctets < 0 || length < 0 ? -1 : length;
}

std::uint8_t CSMSPDU::PreferredCoding(std::string_view text) {
    return IsGsmEncodable(GbToUtf16(text)) ? kDcsGsm7 : kDcsUcs2;
}

SmsAlphabet CSMSPDU::AlphabetOf(std::uint8_t dataCoding) {
    // General data coding groups (00xx, 01xx): bit 5 marks compressed text,
    // which is passed on as data; bits 3..2 name the alphabet.
    if (dataCoding < 0x80) {
        if (dataCoding & 0x20) return SmsAlphabet::Data8;
        static constexpr SmsAlphabet kByBits[4] = {SmsAlphabet::Gsm7, SmsAlphabet::Data8,
                                                   SmsAlphabet::Ucs2, SmsAlphabet::Gsm7};
        return kByBits[(dataCoding >> 2) & 3];
    }
    // Message waiting groups: 1110 stores UCS2; data coding / message class
    // group 1111: bit 2 selects 8-bit data; reserved groups read as GSM.
    if ((dataCoding & 0xF0) == 0xE0) return SmsAlphabet::Ucs2;
    if ((dataCoding & 0xF0) == 0xF0 && (dataCoding & 0x04)) return SmsAlphabet::Data8;
    return SmsAlphabet::Gsm7;
}

std::string CSMSPDU::BytesToHex(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char b : bytes) out += HexOctet(std::uint8_t(b));
    return out;
}

std::optional<std::string> CSMSPDU::HexToBytes(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int value = HexPairValue(hex[i], hex[i + 1]);
        if (value < 0) return std::nullopt;
        out += char(value);
    }
    return out;
}

int CSMSPDU::HexPairValue(char high, char low) {
    int h = HexDigitValue(high);
    int l = HexDigitValue(low);
    return h < 0 || l < 0 ? -1 : h * 16 + l;
}

int CSMSPDU::TwoDigitValue(char tens, char ones) {
    bool digits = tens >= '0' && tens <= '9' && ones >= '0' && ones <= '9';
    return digits ? (tens - '0') * 10 + (ones - '0') : -1;
}

std::string CSMSPDU::SwapDigits(std::string_view number) {
    std::string out;
    out.reserve(number.size() + 1);
    for (std::size_t i = 0; i < number.size(); i += 2) {
        out += i + 1 < number.size() ? number[i + 1] : 'F';
        out += number[i];
    }
    return out;
}

std::string CSMSPDU::Pack7(std::string_view text) {
    return PackSeptets(GsmEncode(GbToUtf16(text)));
}

std::string CSMSPDU::ToUcs2(std::string_view text) {
    std::string out;
    for (char16_t unit : GbToUtf16(text)) {
        out += char(unit >> 8);
        out += char(unit & 0xFF);
    }
    return out;
}

}  // namespace dorvik
