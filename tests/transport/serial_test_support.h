#pragma once
// Helpers for driving the serial driver over a pseudo-terminal: the test
// holds the master side, the driver opens the slave path.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "scratch_dir.h"
#include "platform/ui_dispatcher.h"
#include "transport/serial_listener.h"

namespace dorvik::test {

// Long enough never to fire on a loaded machine; it only stops a hung test.
inline constexpr auto kPatience = std::chrono::seconds(20);

class PtyMaster {
public:
    PtyMaster() {
        fd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ >= 0 && ::grantpt(fd_) == 0 && ::unlockpt(fd_) == 0) slave_ = ::ptsname(fd_);
    }
    ~PtyMaster() { Close(); }
    int fd() const { return fd_; }
    const std::string& SlavePath() const { return slave_; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    bool Write(const std::string& bytes) {
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Reads exactly n bytes; fewer only when they never come.
    std::string Read(std::size_t n) {
        std::string out;
        char buf[4096];
        while (out.size() < n) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(kPatience.count() * 1000)) != 1) break;
            ssize_t got = ::read(fd_, buf, std::min(sizeof buf, n - out.size()));
            if (got <= 0) break;
            out.append(buf, static_cast<std::size_t>(got));
        }
        return out;
    }

private:
    int fd_ = -1;
    std::string slave_;
};

// Records what the driver tells its owner; safe to read from the test thread.
class RecordingListener : public SerialListener {
public:
    void OnSerialByte(unsigned char byte, int port) override {
        auto hook = onByte;  // the hook may replace itself
        if (hook) hook(byte);
        std::lock_guard lock(mutex_);
        bytes_.push_back(static_cast<char>(byte));
        ports_.push_back(port);
        changed_.notify_all();
    }
    void OnCommandWritten(const std::string& text) override {
        std::lock_guard lock(mutex_);
        written_.push_back(text);
    }
    // Waits until at least n bytes arrived, then returns all of them.
    std::string WaitForBytes(std::size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kPatience, [&] { return bytes_.size() >= n; });
        return bytes_;
    }
    std::vector<int> Ports() {
        std::lock_guard lock(mutex_);
        return ports_;
    }
    std::vector<std::string> Written() {
        std::lock_guard lock(mutex_);
        return written_;
    }
    std::function<void(unsigned char)> onByte;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string bytes_;
    std::vector<int> ports_;
    std::vector<std::string> written_;
};

struct Box {
    std::string text, caption;
    MsgIcon icon;
};

// A message box that may be shown from any thread.
class SyncMessageBox : public MessageBox {
public:
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons) override {
        std::lock_guard lock(mutex_);
        shown_.push_back({text, caption, icon});
        changed_.notify_all();
        return MsgAnswer::Ok;
    }
    std::vector<Box> WaitForBoxes(std::size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kPatience, [&] { return shown_.size() >= n; });
        return shown_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Box> shown_;
};

}  // namespace dorvik::test
