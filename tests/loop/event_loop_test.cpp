#include "loop/event_loop.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

namespace dorvik {
namespace {

// True when the thread of this process is blocked (state S in its stat line).
bool Sleeping(pid_t tid) {
    char path[64], stat[256] = {};
    std::snprintf(path, sizeof path, "/proc/self/task/%d/stat", tid);
    int fd = ::open(path, O_RDONLY);
    ssize_t n = fd < 0 ? -1 : ::read(fd, stat, sizeof stat - 1);
    if (fd >= 0) ::close(fd);
    const char* end = n > 0 ? std::strrchr(stat, ')') : nullptr;
    return end && end[1] == ' ' && end[2] == 'S';
}

// Work handed over by other threads and timers are driven by every end-to-end
// test (tests/e2e); what those cannot reach is a thread blocked at shutdown.
TEST(EventLoop, ShutdownReleasesAWaitingThread) {
    auto loop = std::make_unique<EventLoop>();
    std::atomic<bool> returned{false};
    bool ran = false;
    std::atomic<pid_t> tid{0};
    std::thread worker([&] {
        tid = gettid();
        loop->Invoke([&] { ran = true; });
        returned = true;
    });
    // Shut down once the worker blocks in Invoke: its thread sleeps.
    while (!tid || !Sleeping(tid)) std::this_thread::yield();
    loop->Shutdown();
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace dorvik
