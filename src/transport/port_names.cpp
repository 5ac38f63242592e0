#include "transport/port_names.h"

#include <filesystem>

#include "model/config_dir.h"

namespace dorvik {

namespace {

// True when path names a directory entry, even a link whose target is gone:
// a broken link must fail loudly instead of silently falling back to ttyS.
bool EntryExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

}  // namespace

std::string ComPortName(int port) { return "COM" + std::to_string(port); }

std::string ComDevicePath(int port) {
    if (port < 1) return {};
    if (std::string dir = ConfigDir(); !dir.empty()) {
        std::string link = JoinPath(JoinPath(dir, "ports"), "com" + std::to_string(port));
        if (EntryExists(link)) return link;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

std::string DevicePathFor(const PortSettings& settings) {
    return settings.devicePath.empty() ? ComDevicePath(settings.port) : settings.devicePath;
}

}  // namespace dorvik
