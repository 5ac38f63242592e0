#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace dorvik {
namespace {

std::string Failure(const std::string& what, const std::string& path, int err) {
    return what + " " + path + ": " + std::strerror(err);
}

std::string ParentDir(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// The temporary file: closed and removed on destruction unless kept.
struct TempFile {
    std::string path;
    int fd = -1;
    bool keep = false;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!keep && !path.empty()) ::unlink(path.c_str());
    }
};

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        content.remove_prefix(std::size_t(n));
    }
    return true;
}

bool CreateTemp(const std::string& path, TempFile* temp, std::string* error) {
    std::vector<char> name(path.begin(), path.end());
    const std::string suffix = ".XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    temp->fd = ::mkstemp(name.data());
    if (temp->fd < 0) {
        *error = Failure("cannot create a temporary file beside", path, errno);
        return false;
    }
    temp->path = name.data();
    return true;
}

// Writes, restricts to the owner, flushes to disk and closes the file.
bool FillTemp(TempFile* temp, std::string_view content, std::string* error) {
    const bool ok = WriteAll(temp->fd, content) && ::fchmod(temp->fd, 0600) == 0 &&
                    ::fsync(temp->fd) == 0;
    const int closed = ::close(temp->fd);
    temp->fd = -1;
    if (ok && closed == 0) return true;
    *error = Failure("cannot write", temp->path, errno);
    return false;
}

// Makes the rename itself durable; a failure here loses nothing.
void SyncDir(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Reads a regular file of at most maxBytes to its end.
bool CheckedRead(int fd, const std::string& path, std::size_t maxBytes, std::string* content,
                 std::string* error) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = path + " is not a regular file";
        return false;
    }
    char buffer[1 << 16];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = Failure("cannot read", path, errno);
            return false;
        }
        content->append(buffer, std::size_t(n));
        if (content->size() > maxBytes) {
            *error = path + " is too large";
            return false;
        }
    }
    return true;
}

}  // namespace

RenameStep SystemRename() {
    return [](const std::string& from, const std::string& to, std::string* error) {
        if (std::rename(from.c_str(), to.c_str()) == 0) return true;
        *error = Failure("cannot replace", to, errno);
        return false;
    };
}

ReadStatus ReadWholeFile(const std::string& path, std::string* content, std::string* error,
                         std::size_t maxBytes) {
    content->clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return ReadStatus::kMissing;
    if (fd < 0) {
        *error = Failure("cannot open", path, errno);
        return ReadStatus::kFailed;
    }
    const bool ok = CheckedRead(fd, path, maxBytes, content, error);
    ::close(fd);
    if (ok) return ReadStatus::kRead;
    content->clear();
    return ReadStatus::kFailed;
}

bool WriteFileAtomically(const std::string& path, std::string_view content,
                         const RenameStep& rename, std::string* error) {
    const std::string dir = ParentDir(path);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    TempFile temp;
    if (!CreateTemp(path, &temp, error) || !FillTemp(&temp, content, error)) return false;
    if (!rename(temp.path, path, error)) return false;
    temp.keep = true;
    SyncDir(dir);
    return true;
}

}  // namespace dorvik
