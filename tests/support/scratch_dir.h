#pragma once
// Test helpers: a fresh folder removed afterwards, whole-file reads and
// writes, the lines of a file another process writes, and an environment
// variable set for the length of a scope.
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace dorvik::test {

class ScratchDir {
public:
    ScratchDir() {
        std::string name = (std::filesystem::temp_directory_path() / "dorvik-XXXXXX").string();
        path_ = ::mkdtemp(name.data()) ? name : std::string();
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

class EnvOverride {
public:
    // Sets the variable, or unsets it when value is nullopt.
    EnvOverride(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvOverride() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of the file holding `part` (every line when it is empty).
inline std::vector<std::string> LinesWith(const std::string& path, const std::string& part = {}) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (line.find(part) != std::string::npos) lines.push_back(line);
    return lines;
}

inline int CountLines(const std::string& path, const std::string& part) {
    return static_cast<int>(LinesWith(path, part).size());
}

// Waits until the file holds `count` lines with `part`, looking again after
// each write into its folder; false when `limitMs` passed first.
inline bool AwaitLines(const std::string& path, const std::string& part, int count, int limitMs) {
    const int fd = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(fd, std::filesystem::path(path).parent_path().c_str(), IN_MODIFY | IN_CREATE);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    char events[4096];
    bool seen = false;
    for (pollfd p{fd, POLLIN, 0}; !(seen = CountLines(path, part) >= count);) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) != 1 || ::read(fd, events, sizeof events) <= 0)
            break;
    }
    ::close(fd);
    return seen;
}

}  // namespace dorvik::test
