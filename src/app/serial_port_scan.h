#pragma once
// Finds the serial devices that can be opened now and gives each a COM port
// number; writes the <config>/ports/comN link that makes COMn name a device.
#include <string>
#include <vector>

namespace dorvik {

inline constexpr int kMaxComPort = 256;

struct AvailablePort {
    int number = 0;      // n of COMn
    std::string device;  // the path comN links to (the stable by-id name when there is one)
    std::string name;    // shown beside "COMn": the device's name, and its by-id name
};

// Looks at <root>/dev/serial/by-id/*, ttyUSB*, ttyACM* and ttyS* (root "" is
// the real system) and keeps the devices that open for reading and writing
// without becoming the controlling terminal; each is opened and closed at
// once. Numbers: the one an existing <configDir>/ports/comN link gives the
// device; else n+1 for ttyS<n> when free; else the lowest free number.
// Sorted by number; at most kMaxComPort entries.
std::vector<AvailablePort> ScanSerialPorts(const std::string& root, const std::string& configDir);

// <configDir>/ports/com<number>.
std::string PortLinkPath(const std::string& configDir, int number);
// Points PortLinkPath at device, replacing an older link atomically; false
// when the folder or the link cannot be made.
bool WritePortLink(const std::string& configDir, int number, const std::string& device);

}  // namespace dorvik
