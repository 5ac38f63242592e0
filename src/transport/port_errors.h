#pragma once
// The texts a serial port shows or hands back when something fails.
#include <string>

#include "platform/message_box.h"

namespace dorvik {

// Shown once when the device under an open port goes away.
inline constexpr const char* kDisconnectText = "Disconnect, Check the port and restart";

// Caption of the warning box of a failed port operation.
inline constexpr const char* kPortErrorCaption = "Application Error";

// The warning for a failed step (e.g. "tcsetattr()") with the reason text.
std::string FormatPortError(const std::string& stepName, const std::string& reason, int port);

// Shows that warning in an error box; call on the window thread.
void ShowPortError(MessageBox& box, const std::string& stepName, const std::string& reason,
                   int port);

// Why opening path failed with errno err, for the user; a missing
// permission adds how to get it.
std::string DescribeOpenError(const std::string& path, int err);

// The usual reason why a modem's port is busy or the modem stays silent,
// and what to do about it.
inline constexpr const char* kModemInUseText =
    "The modem is in use by another program, for example ModemManager. Stop that program or "
    "tell it to leave the modem alone (see \"Modems used by the system\" in README.md), then "
    "connect again.";

// Why the modem at path cannot be used (its port is busy) and what to do.
std::string DescribeModemInUse(const std::string& path);
// The modem at path did not answer "AT": most often it is in use.
std::string DescribeSilentModem(const std::string& path);

}  // namespace dorvik
