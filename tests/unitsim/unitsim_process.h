#pragma once
// Runs the built dorvik-unitsim and talks to it through its pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

namespace dorvik::unitsim::test {

// Long enough never to fire on a working unit; it only keeps a broken one
// from hanging the test run.
constexpr int kGiveUpMs = 20000;

class Unitsim {
public:
    explicit Unitsim(std::vector<std::string> args) {
        args.insert(args.begin(), UNITSIM_PATH);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        output_ = out[0];
    }
    ~Unitsim() {
        if (pid_ > 0) Stop();
        close(output_);
    }
    // Standard output up to its first line end, or up to its end.
    std::string ReadOutput(bool firstLineOnly) {
        std::string text;
        char c;
        while (read(output_, &c, 1) == 1 && !(firstLineOnly && c == '\n')) text += c;
        return text;
    }
    int Wait() {
        int status = 0;
        waitpid(std::exchange(pid_, 0), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int Stop() {
        kill(pid_, SIGTERM);
        return Wait();
    }

private:
    pid_t pid_ = 0;
    int output_ = -1;
};

// The tool's side of the line.
class Line {
public:
    explicit Line(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) { EXPECT_GE(fd_, 0) << path; }
    ~Line() { close(fd_); }
    void SendRaw(const std::string& bytes) { EXPECT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
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
    // Everything up to and including `end`; what came before silence or a hang-up otherwise.
    std::string ReadUntil(std::string_view end) {
        std::string text;
        for (char c = 0; !text.ends_with(end);) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, kGiveUpMs) != 1 || read(fd_, &c, 1) != 1) break;
            text += c;
        }
        return text;
    }
    std::string Ask(const std::string& body) {
        Send(body);
        return ReadLine().value_or("<nothing>");
    }

private:
    int fd_;
};

inline std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "unitsim_" + std::to_string(getpid()) + "_" + name;
}

}  // namespace dorvik::unitsim::test
