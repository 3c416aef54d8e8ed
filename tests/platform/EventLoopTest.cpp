// The event loop: task order, timers, descriptors, deferred tasks and nested loops.
#include "platform/EventLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <poll.h>
#include <string>
#include <unistd.h>

using namespace std::chrono_literals;
using platform::EventLoop;

TEST(EventLoopTest, TasksRunInOrderBeforeTimers)
{
    EventLoop& loop = EventLoop::Current();
    std::string trace;
    std::uint64_t timer = loop.AddTimer(1ms, [&] { trace += 'T'; });
    loop.Post([&] { trace += '1'; });
    loop.Post([&] { trace += '2'; loop.Post([&] { trace += '3'; }); });
    usleep(3000);
    loop.RunOnce(0ms);
    loop.RemoveTimer(timer);
    // '3' was posted during the pass: it waits for the next pass, and a timer never runs while tasks wait.
    EXPECT_EQ(trace, "12");
    loop.RunOnce(0ms);
    EXPECT_EQ(trace, "123");
}

TEST(EventLoopTest, NestedModalLoopServesTimersAndDefersCloseRequests)
{
    EventLoop& loop = EventLoop::Current();
    std::string trace;
    int ticks = 0;
    bool ended = false;
    std::uint64_t timer = 0;
    timer = loop.AddTimer(5ms, [&] {
        ++ticks;
        if (ticks == 1)
            loop.PostDeferred([&] { trace += "close;"; });
        if (ticks == 3) {
            loop.RemoveTimer(timer);
            ended = true;
        }
    });
    loop.RunUntil([&] { return ended; }, true);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(trace, "") << "a deferred request never runs inside a modal loop";
    EXPECT_EQ(loop.ModalDepth(), 0);
    loop.RunOnce(0ms);
    EXPECT_EQ(trace, "close;");
}

TEST(EventLoopTest, WatchedDescriptorWakesTheLoop)
{
    EventLoop& loop = EventLoop::Current();
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::string received;
    std::uint64_t watch = loop.WatchFd(fds[0], POLLIN, [&](int fd, short) {
        char c;
        if (read(fd, &c, 1) == 1)
            received += c;
    });
    std::uint64_t timer = loop.AddTimer(2ms, [&, w = fds[1]] {
        if (received.empty() && write(w, "x", 1) != 1)
            ADD_FAILURE();
    });
    loop.RunUntil([&] { return !received.empty(); }, false);
    EXPECT_EQ(received, "x");
    loop.UnwatchFd(watch);
    loop.RemoveTimer(timer);
    close(fds[0]);
    close(fds[1]);
}

TEST(EventLoopTest, LoopWithNothingToWaitForReturns)
{
    EventLoop loop;
    bool never = false;
    loop.RunUntil([&] { return never; }, true);
    EXPECT_EQ(loop.ModalDepth(), 0);
}

TEST(EventLoopTest, IdleTasksRunOnceTheQueueHasRunEmptyAlsoInANestedLoop)
{
    EventLoop& loop = EventLoop::Current();
    std::string trace;
    // Work that posts more work: the idle task waits for all of it.
    loop.Post([&] {
        trace += 'a';
        loop.Post([&] {
            trace += 'b';
            loop.Post([&] { trace += 'c'; });
        });
    });
    loop.WhenIdle([&] { trace += "|idle"; });
    for (int pass = 0; pass < 5; ++pass)
        loop.RunOnce(0ms);
    EXPECT_EQ(trace, "abc|idle");

    // Registered inside a nested modal loop, it runs in that loop, and one that registers itself again waits
    // for a later pass rather than spinning within one.
    trace.clear();
    int idlePasses = 0;
    std::function<void()> again = [&] {
        if (++idlePasses < 3)
            loop.WhenIdle(again);
    };
    loop.Post([&] {
        loop.WhenIdle(again);
        loop.RunUntil([&] { return idlePasses >= 3; }, true);
        trace += "nested ended";
    });
    auto start = std::chrono::steady_clock::now();
    while (trace.empty() && std::chrono::steady_clock::now() - start < 5s)
        loop.RunOnce(10ms);
    EXPECT_EQ(trace, "nested ended");
    EXPECT_EQ(idlePasses, 3);
}
