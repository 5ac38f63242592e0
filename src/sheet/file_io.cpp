#include "sheet/file_io.h"

#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace dorvik {
namespace {

constexpr int kTempAttempts = 16;

std::string ResolvedTarget(const std::string& path) {
    char buf[PATH_MAX];
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), buf))
        return buf;
    return path;
}

// Creates a new file beside the target; mode 0666 lets the umask decide.
int CreateTemp(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int i = 0; i < kTempAttempts; ++i) {
        tempPath = target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool FillTemp(int fd, const std::string& target, std::string_view bytes) {
    struct stat st;
    if (stat(target.c_str(), &st) == 0 && fchmod(fd, st.st_mode & 07777) != 0) return false;
    return WriteAll(fd, bytes) && fsync(fd) == 0;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path, std::string& out) {
    std::string error;
    const ReadStatus status = ReadWholeFile(path, &out, &error);
    if (status == ReadStatus::kRead) return FileRead::Ok;
    return status == ReadStatus::kMissing ? FileRead::Missing : FileRead::Failed;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    std::string target = ResolvedTarget(path);
    std::string temp;
    int fd = CreateTemp(target, temp);
    if (fd < 0) return false;
    bool ok = FillTemp(fd, target, bytes);
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
}

}  // namespace dorvik
