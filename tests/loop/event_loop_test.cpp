#include "loop/event_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace dorvik {
namespace {

using namespace std::chrono_literals;

TEST(EventLoop, WorkFromAnotherThreadRunsOnTheLoopThreadInOrder) {
    EventLoop loop;
    std::vector<int> seen;
    std::atomic<bool> finished{false};
    const auto loopThread = std::this_thread::get_id();
    bool allOnLoop = true;
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i)
            loop.Invoke([&, i] {
                seen.push_back(i);
                allOnLoop = allOnLoop && std::this_thread::get_id() == loopThread;
            });
        finished = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return finished.load(); }, 10s));
    worker.join();
    ASSERT_EQ(seen.size(), 200u);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(seen[i], i);
    EXPECT_TRUE(allOnLoop);
}

TEST(EventLoop, TimersTickPeriodicallyOrOnce) {
    EventLoop loop;
    int periodic = 0, once = 0;
    auto a = loop.CreateTimer();
    auto b = loop.CreateTimer();
    a->Start(5, true, [&] { ++periodic; });
    b->Start(5, false, [&] { ++once; });
    EXPECT_TRUE(loop.RunUntil([&] { return periodic >= 3; }, 5s));
    EXPECT_EQ(once, 1);
    EXPECT_FALSE(b->IsActive());
    a->Stop();
    int stopped = periodic;
    loop.RunFor(30ms);
    EXPECT_EQ(periodic, stopped);
}

TEST(EventLoop, ADroppedTimerNeverTicks) {
    EventLoop loop;
    int ticks = 0;
    {
        auto t = loop.CreateTimer();
        t->Start(1, true, [&] { ++ticks; });
    }
    loop.RunFor(20ms);
    EXPECT_EQ(ticks, 0);
}

TEST(EventLoop, ShutdownReleasesAWaitingThread) {
    auto loop = std::make_unique<EventLoop>();
    std::atomic<bool> returned{false};
    bool ran = false;
    std::thread worker([&] {
        loop->Invoke([&] { ran = true; });
        returned = true;
    });
    std::this_thread::sleep_for(20ms);
    loop->Shutdown();
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace dorvik
