// SMS-DELIVER decoding: every field is read through a bounds-checked reader,
// so a PDU shorter than its length fields claim is refused, never overrun.
#include <optional>
#include <string>

#include "model/text_codec.h"
#include "transport/sms_gsm7.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

constexpr std::uint8_t kMessageTypeMask = 0x03;
constexpr std::uint8_t kDeliverType = 0x00;
constexpr std::uint8_t kHeaderIndicator = 0x40;
constexpr unsigned kAlphanumericTon = 5;
constexpr unsigned kInternationalTon = 1;
constexpr std::size_t kTimeStampOctets = 7;

// Semi-octet values 0..14; 15 is the filler.
constexpr char kSemiOctetDigits[] = "0123456789*#abc";

// Hands out the octets of a PDU front to back, refusing to read past the end.
class OctetReader {
public:
    explicit OctetReader(std::string_view octets) : rest_(octets) {}

    bool Octet(std::uint8_t& out) {
        if (rest_.empty()) return false;
        out = std::uint8_t(rest_.front());
        rest_.remove_prefix(1);
        return true;
    }
    bool Take(std::size_t count, std::string_view& out) {
        if (count > rest_.size()) return false;
        out = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return true;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

unsigned TypeOfNumber(std::uint8_t type) { return (type >> 4) & 0x07; }

// Digits in semi-octet order, low nibble first, up to `count` digits; the
// filler nibble is dropped.
std::string SemiOctetDigits(std::string_view octets, std::size_t count) {
    std::string out;
    for (char octet : octets) {
        for (unsigned nibble : {unsigned(octet) & 0xF, (unsigned(octet) >> 4) & 0xF})
            if (nibble != 0xF && out.size() < count) out += kSemiOctetDigits[nibble];
    }
    return out;
}

std::string WithPlus(std::uint8_t type, std::string digits) {
    return TypeOfNumber(type) == kInternationalTon ? "+" + digits : digits;
}

bool ReadServiceCentre(OctetReader& in, std::string& out) {
    std::uint8_t length = 0, type = 0;
    std::string_view digits;
    if (!in.Octet(length)) return false;
    if (length == 0) return true;
    if (!in.Octet(type) || !in.Take(length - 1u, digits)) return false;
    out = WithPlus(type, SemiOctetDigits(digits, digits.size() * 2));
    return true;
}

// Originating address: its length counts digits, or for an alphanumeric
// name the semi-octets that its packed septets fill.
bool ReadSender(OctetReader& in, std::string& out) {
    std::uint8_t length = 0, type = 0;
    std::string_view octets;
    if (!in.Octet(length) || length > kMaxAddressDigits) return false;
    if (!in.Octet(type) || !in.Take((length + 1u) / 2, octets)) return false;
    if (TypeOfNumber(type) == kAlphanumericTon)
        out = Utf16ToGb(GsmDecode(UnpackSeptets(octets, length * 4u / 7)));
    else
        out = WithPlus(type, SemiOctetDigits(octets, length));
    return true;
}

// Two decimal digits of a time stamp octet, written low nibble first.
int SwappedValue(char octet) {
    std::string hex = CSMSPDU::BytesToHex(std::string_view(&octet, 1));
    return CSMSPDU::TwoDigitValue(hex[1], hex[0]);
}

long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

// Time stamp fields; -1 for a field that is not two decimal digits.
struct StampFields {
    int year, month, day, hour, minute, second;
};

StampFields ParseStamp(std::string_view octets) {
    int v[6];
    for (std::size_t i = 0; i < 6; ++i) v[i] = SwappedValue(octets[i]);
    int year = v[0] < 0 ? -1 : v[0] < 50 ? 2000 + v[0] : 1900 + v[0];
    return {year, v[1], v[2], v[3], v[4], v[5]};
}

bool IsValidDate(const StampFields& t) {
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1) return false;
    bool leap = t.year % 4 == 0 && (t.year % 100 != 0 || t.year % 400 == 0);
    int days = kMonthDays[t.month - 1] + (t.month == 2 && leap);
    return t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
           t.second >= 0 && t.second < 60;
}

// "YYYY-MM-DD hh:mm:ss"; an unreadable field shows as question marks.
std::string StampText(const StampFields& t) {
    auto two = [](int n) {
        return n < 0 ? std::string("??") : std::string{char('0' + n / 10), char('0' + n % 10)};
    };
    return (t.year < 0 ? "????" : std::to_string(t.year)) + "-" + two(t.month) + "-" +
           two(t.day) + " " + two(t.hour) + ":" + two(t.minute) + ":" + two(t.second);
}

// Service centre time stamp (the zone octet is not used): its text and its
// value in days since 1899-12-30, 0 with the invalid flag for a non-date.
void ReadTimeStamp(std::string_view octets, CSMSItem& item) {
    StampFields t = ParseStamp(octets);
    item.time = StampText(t);
    item.timeInvalid = !IsValidDate(t);
    if (item.timeInvalid) {
        item.timeValue = 0.0;
        return;
    }
    long days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
    item.timeValue = double(days) + (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
}

std::string FromUcs2(std::string_view data) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        units += char16_t((std::uint8_t(data[i]) << 8) | std::uint8_t(data[i + 1]));
    std::string text = Utf16ToGb(units);
    if (data.size() % 2 != 0) text += kBadTextMark;
    return text;
}

// Septets of 7-bit user data after the header (which is padded to a septet
// boundary); nullopt when the header does not fit.
std::optional<std::string> Gsm7Text(std::string_view data, std::size_t septets, bool header) {
    std::size_t skip = 0;
    if (header) {
        if (data.empty()) return std::nullopt;
        std::size_t headerOctets = std::uint8_t(data[0]) + 1u;
        skip = (headerOctets * 8 + 6) / 7;
        if (headerOctets > data.size() || skip > septets) return std::nullopt;
    }
    return Utf16ToGb(GsmDecode(UnpackSeptets(data, septets).substr(skip)));
}

// Octet user data after the header.
std::optional<std::string_view> OctetData(std::string_view data, bool header) {
    if (!header) return data;
    if (data.empty() || std::uint8_t(data[0]) + 1u > data.size()) return std::nullopt;
    return data.substr(std::uint8_t(data[0]) + 1u);
}

bool ReadBody(OctetReader& in, std::uint8_t coding, bool header, std::string& out) {
    std::uint8_t length = 0;
    std::string_view data;
    SmsAlphabet alphabet = CSMSPDU::AlphabetOf(coding);
    if (!in.Octet(length)) return false;
    std::size_t octets = alphabet == SmsAlphabet::Gsm7 ? PackedOctets(length) : length;
    if (!in.Take(octets, data)) return false;
    if (alphabet == SmsAlphabet::Gsm7) {
        std::optional<std::string> text = Gsm7Text(data, length, header);
        if (text) out = *text;
        return text.has_value();
    }
    std::optional<std::string_view> payload = OctetData(data, header);
    if (payload) out = alphabet == SmsAlphabet::Ucs2 ? FromUcs2(*payload) : std::string(*payload);
    return payload.has_value();
}

}  // namespace

bool CSMSPDU::DecodePdu(CSMSItem& item, std::string_view pduHex) {
    std::optional<std::string> octets = HexToBytes(pduHex);
    if (!octets) return false;
    OctetReader in(*octets);
    CSMSItem read;
    std::uint8_t firstOctet = 0, protocolId = 0, coding = 0;
    std::string_view timeStamp;
    bool ok = ReadServiceCentre(in, read.serviceCentre) && in.Octet(firstOctet) &&
              (firstOctet & kMessageTypeMask) == kDeliverType && ReadSender(in, read.sender) &&
              in.Octet(protocolId) && in.Octet(coding) && in.Take(kTimeStampOctets, timeStamp) &&
              ReadBody(in, coding, firstOctet & kHeaderIndicator, read.body);
    if (!ok) return false;
    ReadTimeStamp(timeStamp, read);
    read.raw = std::string(pduHex);
    read.index = item.index;
    item = std::move(read);
    return true;
}

}  // namespace dorvik
