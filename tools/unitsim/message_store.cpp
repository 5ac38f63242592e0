#include "unitsim/message_store.h"

#include <cstdio>
#include <utility>

#include "unitsim/gsm_pdu.h"
#include "unitsim/local_text.h"

namespace dorvik::unitsim {
namespace {

constexpr char kServiceCentre[] = "+8613800210500";
constexpr char kAlias[] = "\"Gate unit\"";
constexpr std::size_t kSeptetRoom = 160;
constexpr std::size_t kUcs2Room = 70;

Stamp LocalStamp(std::time_t when) {
    std::tm t{};
    localtime_r(&when, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
            static_cast<int>(t.tm_gmtoff / 900)};
}

// "16/12/28,13:45:01+32"
std::string StampText(const Stamp& s) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d,%02d:%02d:%02d%+03d", s.year % 100, s.month, s.day, s.hour,
                  s.minute, s.second, s.zoneQuarters);
    return text;
}

int NumberType(const std::string& number) { return number.starts_with('+') ? 145 : 129; }

// Text mode after AT+CSDH=1: type of address, first octet, PID, DCS, service centre, its type, length.
std::string ExtraFields(const ShortMessage& message) {
    const std::u16string text = LocalToUtf16(message.body);
    const auto septets = ToSeptets(text);
    const std::size_t length = septets ? septets->size() : 2 * text.size();
    return "," + std::to_string(NumberType(message.sender)) + ",4,0," + (septets ? "0" : "8") + ",\"" +
           kServiceCentre + "\"," + std::to_string(NumberType(kServiceCentre)) + "," + std::to_string(length);
}

std::string TextModeAnswer(const ShortMessage& message, const ReadLayout& layout) {
    return std::string("+CMGR: \"") + (message.read ? "REC READ" : "REC UNREAD") + "\",\"" + message.sender + "\"," +
           (layout.alias ? kAlias : "") + ",\"" + StampText(LocalStamp(message.received)) + "\"" +
           (layout.extra ? ExtraFields(message) : "") + "\r\n" + message.body;
}

std::string PduModeAnswer(const ShortMessage& message, const ReadLayout& layout) {
    const DeliverPdu pdu = EncodeDeliver(
        {kServiceCentre, message.sender, LocalToUtf16(message.body), LocalStamp(message.received), layout.ucs2});
    return "+CMGR: " + std::to_string(message.read ? 1 : 0) + "," + (layout.alias ? kAlias : "") + "," +
           std::to_string(pdu.tpduLength) + "\r\n" + pdu.hex;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }

}  // namespace

std::optional<int> MessageStore::Add(ShortMessage message) {
    for (int index = 1; index <= kSlots; ++index) {
        if (slots_.emplace(index, message).second) return index;
    }
    return std::nullopt;
}

ShortMessage* MessageStore::Find(int index) {
    const auto it = slots_.find(index);
    return it == slots_.end() ? nullptr : &it->second;
}

bool MessageStore::Erase(int index) { return slots_.erase(index) > 0; }

std::string ReadAnswer(ShortMessage& message, const ReadLayout& layout) {
    std::string answer = layout.pdu ? PduModeAnswer(message, layout) : TextModeAnswer(message, layout);
    message.read = true;
    return answer;
}

std::string ListAnswer(int index, ShortMessage& message, const ReadLayout& layout) {
    std::string answer = ReadAnswer(message, layout);
    const std::size_t fields = answer.find(' ') + 1;
    // The index in front of the fields +CMGR shows, then the same lines; the
    // status is the one from before this read.
    return "+CMGL: " + std::to_string(index) + "," + answer.substr(fields);
}

std::vector<std::string> SplitForSms(std::string_view body, bool forceUcs2) {
    const std::u16string text = LocalToUtf16(body);
    const auto septets = forceUcs2 ? std::nullopt : ToSeptets(text);
    const std::size_t room = septets ? kSeptetRoom : kUcs2Room;
    if ((septets ? septets->size() : text.size()) <= room) return {std::string(body)};
    std::vector<std::string> parts;
    std::u16string part;
    std::size_t used = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units = !septets && IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
        const std::size_t cost = septets ? ToSeptets(text.substr(i, 1))->size() : units;
        if (used + cost > room) {
            parts.push_back(Utf16ToLocal(std::exchange(part, std::u16string())));
            used = 0;
        }
        used += cost;
        part.append(text, i, units);
        i += units;
    }
    parts.push_back(Utf16ToLocal(part));
    return parts;
}

}  // namespace dorvik::unitsim
