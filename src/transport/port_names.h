#pragma once
// Maps the COM port numbers the user picks onto device paths.
#include <string>

#include "platform/link.h"

namespace dorvik {

// "COM" followed by the number, as the user sees it (COM3, COM10).
std::string ComPortName(int port);

// The device behind COMn: the link <config dir>/ports/comN when it exists
// (so any device, e.g. /dev/ttyUSB0, can be given a COM number), otherwise
// /dev/ttyS(n-1). Empty for a port number below 1.
std::string ComDevicePath(int port);

// The device to open for these settings: devicePath when set, else ComDevicePath.
std::string DevicePathFor(const PortSettings& settings);

}  // namespace dorvik
