#pragma once
// Finds the serial devices, tells which of them cannot be opened now and
// why, and gives each a COM port number; writes the <config>/ports/comN link
// that makes COMn name a device.
#include <functional>
#include <string>
#include <vector>

namespace dorvik {

inline constexpr int kMaxComPort = 256;

struct AvailablePort {
    int number = 0;      // n of COMn
    std::string device;  // the path comN links to (the stable by-id name when there is one)
    std::string name;    // shown beside "COMn": the device's name, and its by-id name
    std::string problem; // why it cannot be opened now; empty when it can
};

// Opens path for reading and writing (not as the controlling terminal) and
// closes it at once: 0, or the errno of the failed open.
using OpenProbe = std::function<int(const std::string& path)>;
int ProbeOpen(const std::string& path);
// ProbeOpen, except that a device whose mode grants nobody reading and
// writing gives EACCES even to the superuser, as it would to a user.
int ProbeOpenAsUser(const std::string& path);

// Looks at <root>/dev/serial/by-id/*, ttyUSB*, ttyACM* and ttyS* (root "" is
// the real system; a ttyS with no UART behind it, as sysfs tells, is left
// out) and probes each device once; one that does not open carries the
// reason. Numbers: the one an existing <configDir>/ports/comN link gives the
// device; else n+1 for ttyS<n> when free; else the lowest free number.
// Sorted by number; at most kMaxComPort entries.
std::vector<AvailablePort> ScanSerialPorts(const std::string& root, const std::string& configDir,
                                           const OpenProbe& probe = ProbeOpen);

// The COM number for a device path the user typed: the listed port of that
// device, else the number a <configDir>/ports link already gives it, else
// the lowest number neither listed nor linked; 0 when none is free.
int NumberForDevice(const std::vector<AvailablePort>& ports, const std::string& configDir,
                    const std::string& device);

// <configDir>/ports/com<number>.
std::string PortLinkPath(const std::string& configDir, int number);
// Points PortLinkPath at device, replacing an older link atomically; false
// when the folder or the link cannot be made.
bool WritePortLink(const std::string& configDir, int number, const std::string& device);

}  // namespace dorvik
