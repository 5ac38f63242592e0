#pragma once
// Classifies the lines a GSM modem answers with: command echoes, final
// results, errors and unsolicited notifications. Lines come without their
// line end.
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// The line without blanks and control characters at both ends.
std::string_view TrimModemLine(std::string_view line);

// The modem repeating a command it received ("AT...").
bool IsEchoLine(std::string_view line);
// The final result "OK".
bool IsOkLine(std::string_view line);
// A failed command: "+CMS ERROR: n", "+CME ERROR: n" or a plain "ERROR"
// (modems that do not report error numbers say only that).
bool IsErrorLine(std::string_view line);
// A line the modem sends on its own at any time (RING, +CREG:, +CSQ:, +CMTI:, ...).
bool IsUnsolicitedLine(std::string_view line);
// The SIM index of a new-message notification ("+CMTI: "SM",12", any
// storage, blanks optional); nullopt for any other line.
std::optional<int> NewMessageIndex(std::string_view line);

struct NewMessage {
    std::string storage;  // "SM", "ME", ...; empty when the line names none
    int index = 0;
};
// Storage and index of a new-message notification.
std::optional<NewMessage> ParseNewMessage(std::string_view line);
// The first storage of a "+CPMS:" line, the one reads and deletions use.
std::optional<std::string> ReadStorageOf(std::string_view line);

}  // namespace dorvik
