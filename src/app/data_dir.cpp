#include "app/data_dir.h"

#include <cstdlib>
#include <filesystem>

#include "model/config_dir.h"

namespace dorvik {

std::string DataDir() {
    const char* own = std::getenv("DORVIK_DATA_DIR");
    if (own && *own) return own;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return JoinPath(xdg, "dorvik");
    const char* home = std::getenv("HOME");
    return JoinPath(home && *home ? home : ".", ".local/share/dorvik");
}

bool MakeDirs(const std::string& dir) {
    std::error_code ec;
    if (dir.empty()) return false;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

}  // namespace dorvik
