#include "model/config_dir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace dorvik {
namespace {

// The variable's value, empty when unset.
std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeDir() {
    std::string home = Env("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        return found->pw_dir;
    return ".";
}

bool IsWritableDir(const std::string& dir) {
    struct stat info {};
    return !dir.empty() && ::stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(dir.c_str(), W_OK) == 0;
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string ProgramDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string ConfigDir() {
    const std::string own = Env(kConfigDirVariable);
    if (!own.empty()) return own;
    const std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return JoinPath(xdg, "dorvik");
    return JoinPath(HomeDir(), ".config/dorvik");
}

std::string SettingsPathFor(const std::string& programDir) {
    if (Env(kConfigDirVariable).empty() && IsWritableDir(programDir))
        return JoinPath(programDir, kSettingsFileName);
    return JoinPath(ConfigDir(), kSettingsFileName);
}

std::string DefaultSettingsPath() { return SettingsPathFor(ProgramDir()); }

}  // namespace dorvik
