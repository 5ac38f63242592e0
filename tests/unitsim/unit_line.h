#pragma once
// Talks to the simulated unit through its pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dorvik::unitsim::test {

// Long enough never to fire on a working unit; it only keeps a broken one
// from hanging the test run.
constexpr int kGiveUpMs = 20000;

// The tool's side of the line.
class Line {
public:
    explicit Line(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
        EXPECT_GE(fd_, 0) << path;
    }
    ~Line() { close(fd_); }
    void SendRaw(const std::string& bytes) {
        EXPECT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    void Send(const std::string& body) { SendRaw("#PWD482915#" + body + "\r\n"); }
    // The next line without its LF (a CR stays); nothing once the unit hung up.
    std::optional<std::string> ReadLine() {
        std::string line;
        for (char c = 0;;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, kGiveUpMs) != 1 || read(fd_, &c, 1) != 1) return std::nullopt;
            if (c == '\n') return line;
            line += c;
        }
    }
    std::string Ask(const std::string& body) {
        Send(body);
        return ReadLine().value_or("<nothing>");
    }

private:
    int fd_;
};

}  // namespace dorvik::unitsim::test
