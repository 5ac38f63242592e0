#include "transport/port_names.h"

#include <cstdlib>
#include <filesystem>

namespace dorvik {

namespace {

std::string EnvDir(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : std::string();
}

// Where the comN links live: <config dir>/ports.
std::string PortLinkDir() {
    if (auto dir = EnvDir("DORVIK_CONFIG_DIR"); !dir.empty()) return dir + "/ports";
    if (auto xdg = EnvDir("XDG_CONFIG_HOME"); !xdg.empty()) return xdg + "/dorvik/ports";
    if (auto home = EnvDir("HOME"); !home.empty()) return home + "/.config/dorvik/ports";
    return {};
}

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
    if (auto dir = PortLinkDir(); !dir.empty()) {
        std::string link = dir + "/com" + std::to_string(port);
        if (EntryExists(link)) return link;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

std::string DevicePathFor(const PortSettings& settings) {
    return settings.devicePath.empty() ? ComDevicePath(settings.port) : settings.devicePath;
}

}  // namespace dorvik
