#include "app/data_dir.h"

#include <cstdlib>
#include <filesystem>

#include "model/config_dir.h"

namespace dorvik {

namespace {

// $ownVariable when set, else $xdgVariable/dorvik (absolute only), else
// $HOME/homeRelative.
std::string UserDir(const char* ownVariable, const char* xdgVariable, const char* homeRelative) {
    const char* own = std::getenv(ownVariable);
    if (own && *own) return own;
    const char* xdg = std::getenv(xdgVariable);
    if (xdg && *xdg == '/') return JoinPath(xdg, "dorvik");
    const char* home = std::getenv("HOME");
    return JoinPath(home && *home ? home : ".", homeRelative);
}

}  // namespace

std::string DataDir() {
    return UserDir("DORVIK_DATA_DIR", "XDG_DATA_HOME", ".local/share/dorvik");
}

std::string WindowStatePath() {
    return JoinPath(UserDir(kConfigDirVariable, "XDG_STATE_HOME", ".local/state/dorvik"),
                    "window.ini");
}

bool MakeDirs(const std::string& dir) {
    std::error_code ec;
    if (dir.empty()) return false;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

}  // namespace dorvik
