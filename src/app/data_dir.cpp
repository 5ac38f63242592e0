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

std::string ProgramDataDir(const std::string& executableDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::path(executableDir).lexically_normal();
    if (!exe.has_filename()) exe = exe.parent_path();  // "bin/" -> "bin"
    const fs::path installed = exe.parent_path() / "share" / "dorvik";
    if (fs::is_directory(installed, ec)) return installed.string();
    for (fs::path dir = exe; dir.has_relative_path(); dir = dir.parent_path()) {
        if (!fs::exists(dir / "CMakeCache.txt", ec)) continue;
        const fs::path built = dir / "share" / "dorvik";
        return fs::is_directory(built, ec) ? built.string() : std::string();
    }
    return {};
}

std::string ProgramDataDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : ProgramDataDir(exe.parent_path().string());
}

bool MakeDirs(const std::string& dir) {
    std::error_code ec;
    if (dir.empty()) return false;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

}  // namespace dorvik
