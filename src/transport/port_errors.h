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

}  // namespace dorvik
