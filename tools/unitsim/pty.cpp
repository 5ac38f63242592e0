#include "unitsim/pty.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dorvik::unitsim {
namespace {

std::string Failure(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

std::string ReadLink(const std::string& path) {
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
    return n < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::Open(std::string* error) {
    const auto fail = [error](std::string why) {
        *error = std::move(why);
        return nullptr;
    };
    std::unique_ptr<PseudoTerminal> pty(new PseudoTerminal);
    pty->master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty->master_ < 0) return fail(Failure("posix_openpt"));
    char name[256];
    if (grantpt(pty->master_) != 0 || unlockpt(pty->master_) != 0 || ptsname_r(pty->master_, name, sizeof name) != 0) {
        return fail(Failure("pseudo-terminal slave"));
    }
    pty->slavePath_ = name;
    pty->slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    if (pty->slave_ < 0 || tcgetattr(pty->slave_, &mode) != 0) return fail(Failure(name));
    cfmakeraw(&mode);
    if (tcsetattr(pty->slave_, TCSANOW, &mode) != 0) return fail(Failure("raw mode"));
    if (fcntl(pty->master_, F_SETFL, fcntl(pty->master_, F_GETFL) | O_NONBLOCK) != 0) {
        return fail(Failure("non-blocking master"));
    }
    return pty;
}

PseudoTerminal::~PseudoTerminal() {
    CloseMaster();
    if (slave_ >= 0) close(slave_);
}

void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

std::unique_ptr<DeviceLink> DeviceLink::Create(const std::string& path, const std::string& target,
                                               std::string* error) {
    struct stat info{};
    if (lstat(path.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        *error = path + ": exists and is not a symbolic link";
        return nullptr;
    }
    // Built beside the final name, then renamed over it in one step.
    const std::string temporary = path + ".unitsim" + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
        *error = Failure(path.c_str());
        unlink(temporary.c_str());
        return nullptr;
    }
    return std::unique_ptr<DeviceLink>(new DeviceLink(path, target));
}

DeviceLink::~DeviceLink() {
    if (ReadLink(path_) == target_) unlink(path_.c_str());
}

}  // namespace dorvik::unitsim
