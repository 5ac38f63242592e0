#include "loop/event_loop.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <thread>
#include <vector>

namespace dorvik {
namespace {

using namespace std::chrono_literals;

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

// The loop wakes for each call; no timer ends the wait.
TEST(EventLoop, WorkFromAnotherThreadRunsOnTheLoopThreadInOrder) {
    EventLoop loop;
    std::vector<int> seen;
    const auto loopThread = std::this_thread::get_id();
    bool allOnLoop = true;
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i)
            loop.Invoke([&, i] {
                seen.push_back(i);
                allOnLoop = allOnLoop && std::this_thread::get_id() == loopThread;
            });
    });
    EXPECT_TRUE(loop.RunUntil([&] { return seen.size() == 50; }, 10s));
    worker.join();
    std::vector<int> want(50);
    std::iota(want.begin(), want.end(), 0);
    EXPECT_EQ(seen, want);
    EXPECT_TRUE(allOnLoop);
}

// A dropped timer never ticks.
TEST(EventLoop, TimersTickPeriodicallyOrOnce) {
    EventLoop loop;
    int periodic = 0, once = 0, dropped = 0;
    auto a = loop.CreateTimer();
    auto b = loop.CreateTimer();
    loop.CreateTimer()->Start(1, true, [&] { ++dropped; });
    a->Start(5, true, [&] { ++periodic; });
    b->Start(5, false, [&] { ++once; });
    EXPECT_TRUE(loop.RunUntil([&] { return periodic >= 3; }, 5s));
    EXPECT_EQ(once, 1);
    EXPECT_FALSE(b->IsActive());
    a->Stop();
    int stopped = periodic;
    loop.RunFor(30ms);
    EXPECT_EQ(periodic, stopped);
    EXPECT_EQ(dropped, 0);
}

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
