#include "transport/modem_message.h"

#include <algorithm>

#include "model/text_codec.h"
#include "transport/modem_lines.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

constexpr std::string_view kReadHeader = "+CMGR:";
// Fields a modem adds after the time stamp when it shows text-mode
// parameters; the last one is the body length.
constexpr std::size_t kShownParameterFields = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// A count from a header field; nullopt when it is not a plain number.
std::optional<std::size_t> FieldCount(std::string_view field) {
    if (!AllDigits(field) || field.size() > 6) return std::nullopt;
    std::size_t n = 0;
    for (char c : field) n = n * 10 + std::size_t(c - '0');
    return n;
}

// "yy/MM/dd,hh:mm:ss+zz" as modems write it, whatever the year width.
bool LooksLikeTime(std::string_view field) {
    std::size_t slash = field.find('/');
    std::size_t comma = field.find(',');
    return slash != std::string_view::npos && comma != std::string_view::npos && slash < comma &&
           field.find(':', comma) != std::string_view::npos;
}

std::optional<std::vector<std::string>> HeaderFields(std::string_view header) {
    header = TrimModemLine(header);
    if (!header.starts_with(kReadHeader)) return std::nullopt;
    return SplitHeaderFields(header.substr(kReadHeader.size()));
}

// Position of the time stamp: after the sender, or after the alias.
std::optional<std::size_t> TimeField(const std::vector<std::string>& fields) {
    for (std::size_t i = 2; i < fields.size() && i <= 3; ++i)
        if (LooksLikeTime(fields[i])) return i;
    return std::nullopt;
}

std::optional<std::size_t> ShownBodyLength(const std::vector<std::string>& fields,
                                           std::size_t timeField) {
    if (fields.size() != timeField + 1 + kShownParameterFields) return std::nullopt;
    return FieldCount(fields.back());
}

std::string_view NumberDigits(std::string_view number) {
    number = TrimModemLine(number);
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    return AllDigits(number) ? number : std::string_view();
}

}  // namespace

std::vector<std::string> SplitHeaderFields(std::string_view header) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    for (std::string& f : fields) f = std::string(TrimModemLine(f));
    return fields;
}

std::optional<CSMSItem> ReadTextModeMessage(std::string_view header, const std::string& body) {
    auto fields = HeaderFields(header);
    if (!fields || fields->size() < 2 || (*fields)[1].empty()) return std::nullopt;
    CSMSItem item;
    item.sender = (*fields)[1];
    if (auto t = TimeField(*fields)) {
        item.time = (*fields)[*t];
        auto length = ShownBodyLength(*fields, *t);
        if (length && GbToUtf16(body).size() < *length) return std::nullopt;
    }
    item.body = body;
    item.raw = std::string(TrimModemLine(header)) + "\r\n" + body;
    return item;
}

std::optional<CSMSItem> ReadPduModeMessage(std::string_view header, std::string_view pduLine) {
    auto fields = HeaderFields(header);
    if (!fields) return std::nullopt;
    std::string_view pdu = TrimModemLine(pduLine);
    int length = CSMSPDU::TpduLength(pdu);
    auto claimed = FieldCount(fields->back());
    if (length < 0 || (claimed && std::size_t(length) < *claimed)) return std::nullopt;
    CSMSItem item;
    if (!CSMSPDU::DecodePdu(item, pdu)) return std::nullopt;
    return item;
}

// Text mode: index, status, sender, alias, time. PDU mode: index, status,
// alias, length; the sender is in the PDU.
std::optional<ListedMessage> ReadListedMessage(std::string_view header, std::string_view line,
                                               bool pdu) {
    constexpr std::string_view kListHeader = "+CMGL:";
    header = TrimModemLine(header);
    if (!header.starts_with(kListHeader)) return std::nullopt;
    std::vector<std::string> fields = SplitHeaderFields(header.substr(kListHeader.size()));
    auto index = FieldCount(fields[0]);
    if (!index) return std::nullopt;
    ListedMessage listed;
    listed.index = static_cast<int>(*index);
    if (pdu) {
        CSMSItem item;
        if (!CSMSPDU::DecodePdu(item, TrimModemLine(line))) return std::nullopt;
        listed.sender = item.sender;
    } else {
        if (fields.size() < 3 || fields[2].empty()) return std::nullopt;
        listed.sender = fields[2];
    }
    return listed;
}

bool IsUnitSender(std::string_view sender, std::string_view unitPhone) {
    std::string_view a = NumberDigits(sender);
    std::string_view b = NumberDigits(unitPhone);
    if (a.size() < b.size()) std::swap(a, b);
    return b.size() >= kMinMatchDigits && a.ends_with(b);
}

}  // namespace dorvik
