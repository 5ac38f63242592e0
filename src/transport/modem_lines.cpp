#include "transport/modem_lines.h"

#include <algorithm>

namespace dorvik {
namespace {

constexpr std::string_view kNewMessage = "+CMTI:";

// Notifications a modem may put between the lines of an answer.
constexpr std::string_view kUnsolicited[] = {
    "RING", "NO CARRIER", "+CRING:", "+CLIP:", "+CREG:", "+CGREG:", "+CEREG:",
    "+CSQ:", "+CUSD:", "+CMTI:", "+CDSI:", "+CBM:", "^BOOT:", "^RSSI:", "^MODE:",
};

// An index larger than any SIM holds, and small enough not to overflow.
constexpr std::size_t kMaxIndexDigits = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view kStorages = "+CPMS:";
// Storage names are short upper-case words ("SM", "ME", "MT", "SR").
constexpr std::size_t kMaxStorageName = 4;

// The storage of a field such as ` "ME"`; nullopt when it is none (a
// count, or something that could not be sent back in a command).
std::optional<std::string> StorageName(std::string_view field) {
    field = TrimModemLine(field);
    const bool quoted = field.size() >= 2 && field.front() == field.back() && field.front() == '"';
    if (quoted)
        field = field.substr(1, field.size() - 2);
    if (field.empty() || field.size() > kMaxStorageName ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return std::nullopt;
    return std::string(field);
}

}  // namespace

std::string_view TrimModemLine(std::string_view line) {
    auto trimmed = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; };
    while (!line.empty() && trimmed(line.front())) line.remove_prefix(1);
    while (!line.empty() && trimmed(line.back())) line.remove_suffix(1);
    return line;
}

bool IsEchoLine(std::string_view line) {
    line = TrimModemLine(line);
    return line.size() >= 2 && (line[0] == 'A' || line[0] == 'a') &&
           (line[1] == 'T' || line[1] == 't');
}

bool IsOkLine(std::string_view line) { return TrimModemLine(line) == "OK"; }

bool IsErrorLine(std::string_view line) {
    line = TrimModemLine(line);
    return line == "ERROR" || line.find("+CMS ERROR") != std::string_view::npos ||
           line.starts_with("+CME ERROR");
}

bool IsUnsolicitedLine(std::string_view line) {
    line = TrimModemLine(line);
    return std::any_of(std::begin(kUnsolicited), std::end(kUnsolicited),
                       [line](std::string_view u) { return line.starts_with(u); });
}

std::optional<int> NewMessageIndex(std::string_view line) {
    auto message = ParseNewMessage(line);
    if (!message) return std::nullopt;
    return message->index;
}

std::optional<NewMessage> ParseNewMessage(std::string_view line) {
    std::size_t at = line.find(kNewMessage);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t comma = line.find(',', at + kNewMessage.size());
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view digits = TrimModemLine(line.substr(comma + 1));
    if (digits.empty() || digits.size() > kMaxIndexDigits ||
        !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    NewMessage message;
    for (char c : digits) message.index = message.index * 10 + (c - '0');
    std::string_view storage = line.substr(at + kNewMessage.size(), comma - at - kNewMessage.size());
    message.storage = StorageName(storage).value_or("");
    return message;
}

std::optional<std::string> ReadStorageOf(std::string_view line) {
    line = TrimModemLine(line);
    if (!line.starts_with(kStorages)) return std::nullopt;
    line.remove_prefix(kStorages.size());
    return StorageName(line.substr(0, line.find(',')));
}

}  // namespace dorvik
