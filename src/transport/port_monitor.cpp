#include "transport/port_monitor.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <utility>

#include "transport/port_errors.h"

namespace dorvik {

namespace {

constexpr short kTrouble = POLLHUP | POLLERR | POLLNVAL;

// Errors that mean the device itself is gone (unplugged, line hung up).
bool IsGone(int err) { return err == EIO || err == ENXIO || err == ENODEV; }

// poll() that resumes after signals; -1 only for a real failure.
int PollRetry(pollfd* fds, nfds_t count) {
    for (;;) {
        int n = ::poll(fds, count, -1);
        if (n >= 0 || errno != EINTR) return n;
    }
}

}  // namespace

PortMonitor::PortMonitor(int fd, int port, WriteQueue& writes, MonitorSeams seams)
    : fd_(fd), port_(port), writes_(writes), seams_(seams),
      stopEvent_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

// Waits for a notification in progress to return. The thread is left
// running only when destroyed from inside its own notification, where it
// cannot be joined.
PortMonitor::~PortMonitor() {
    Stop();
    Join();
    if (thread_.joinable()) thread_.detach();
}

bool PortMonitor::Start() {
    if (!stopEvent_.Valid() || !writes_.Valid()) return false;
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool PortMonitor::Stop() {
    bool inside;
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
        inside = delivering_;
    }
    std::uint64_t one = 1;
    [[maybe_unused]] auto n = ::write(stopEvent_.Get(), &one, sizeof one);
    if (inside) return false;
    Join();
    return true;
}

void PortMonitor::Join() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

bool PortMonitor::Finished() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

bool PortMonitor::StopRequested() const {
    std::lock_guard lock(mutex_);
    return stopRequested_;
}

void PortMonitor::Run() {
    while (Step()) {
    }
    std::lock_guard lock(mutex_);
    finished_ = true;
}

// One wake-up; false when the thread must end.
bool PortMonitor::Step() {
    switch (WaitForWork()) {
        case Wake::Stop: return false;
        case Wake::Port: return ReadAvailable(false);
        case Wake::PortHangup: return ReadAvailable(true);
        case Wake::Write: return WritePending();
    }
    return false;
}

// Waits for the three sources; the lowest index wins, so a stop request
// beats received bytes and received bytes beat a write.
PortMonitor::Wake PortMonitor::WaitForWork() {
    pollfd fds[3] = {{stopEvent_.Get(), POLLIN, 0},
                     {lost_ ? -1 : fd_, POLLIN, 0},
                     {writes_.EventFd(), POLLIN, 0}};
    if (PollRetry(fds, 3) < 0) return Wake::Stop;
    if (fds[0].revents) return Wake::Stop;
    if (fds[1].revents) return (fds[1].revents & kTrouble) ? Wake::PortHangup : Wake::Port;
    if (fds[2].revents) return Wake::Write;
    return Wake::Stop;
}

// Reads one chunk and delivers it byte by byte in one window-thread call.
bool PortMonitor::ReadAvailable(bool hangup) {
    unsigned char chunk[256];
    ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n > 0) {
        {
            std::lock_guard lock(mutex_);
            undelivered_.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(n));
        }
        return Deliver([this] { DeliverBytes(); });
    }
    int err = n == 0 ? EIO : errno;  // end of file: the line hung up
    bool nothingYet = err == EAGAIN || err == EINTR;
    if (nothingYet && !hangup) return true;
    if (nothingYet || IsGone(err)) return DeviceLost();
    lost_ = true;  // stop watching so that the failure cannot repeat
    return Deliver([&] { ShowPortError(seams_.box, "read()", std::strerror(err), port_); });
}

bool PortMonitor::WritePending() {
    auto text = writes_.Take();
    if (!text || lost_) return true;
    // Discard received bytes that nobody has read: the answer to this text
    // must not be mixed with older ones. Output still queued is kept.
    ::tcflush(fd_, TCIFLUSH);
    return WriteAll(*text);
}

bool PortMonitor::WriteAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
        } else if (errno == EAGAIN) {
            if (!WaitWritable()) {
                // Stopped: whoever closes the port writes the rest.
                writes_.PutBack(text.substr(done));
                return false;
            }
        } else if (errno != EINTR) {
            return WriteFailed(errno);
        }
    }
    return true;
}

// Waits until the port takes more bytes; false when a stop came first.
bool PortMonitor::WaitWritable() {
    pollfd fds[2] = {{stopEvent_.Get(), POLLIN, 0}, {fd_, POLLOUT, 0}};
    if (PollRetry(fds, 2) < 0) return false;
    return fds[0].revents == 0;
}

bool PortMonitor::WriteFailed(int err) {
    if (IsGone(err)) return DeviceLost();
    return Deliver([&] { ShowPortError(seams_.box, "write()", std::strerror(err), port_); });
}

// The device went away: say so once and stop watching the port; later
// writes are dropped until the port is opened again.
bool PortMonitor::DeviceLost() {
    if (lost_.exchange(true)) return true;
    return Deliver([&] { seams_.box.Error(kDisconnectText); });
}

// Window thread: hands the bytes read over one by one until a stop; those
// left are kept for TakeUndelivered.
void PortMonitor::DeliverBytes() {
    for (;;) {
        unsigned char byte;
        {
            std::lock_guard lock(mutex_);
            if (stopRequested_ || undelivered_.empty()) return;
            byte = static_cast<unsigned char>(undelivered_.front());
            undelivered_.erase(0, 1);
        }
        seams_.listener.OnSerialByte(byte, port_);
    }
}

std::string PortMonitor::TakeUndelivered() {
    std::lock_guard lock(mutex_);
    return std::exchange(undelivered_, {});
}

// Runs fn on the window thread unless a stop was requested; false when the
// thread must end.
bool PortMonitor::Deliver(const std::function<void()>& fn) {
    {
        std::lock_guard lock(mutex_);
        if (stopRequested_) return false;
        delivering_ = true;
    }
    seams_.ui.Invoke([&] {
        if (StopRequested()) return;
        notifying_ = true;
        fn();
        notifying_ = false;
    });
    std::lock_guard lock(mutex_);
    delivering_ = false;
    return !stopRequested_;
}

}  // namespace dorvik
