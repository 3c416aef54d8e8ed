// Runs this thread's event loop until a condition holds, bounded so that a failing test ends instead of hanging.
#pragma once

#include "platform/EventLoop.h"

#include <chrono>
#include <functional>

namespace testsupport {

// True when `done` became true; false when `bound` passed first. Runs as a modal loop when `modal` is set.
inline bool RunLoopUntil(const std::function<bool()>& done, std::chrono::milliseconds bound = std::chrono::seconds(20),
                         bool modal = false)
{
    platform::EventLoop& loop = platform::EventLoop::Current();
    bool expired = false;
    std::uint64_t timer = loop.AddTimer(bound, [&] { expired = true; });
    loop.RunUntil([&] { return expired || done(); }, modal);
    loop.RemoveTimer(timer);
    return done();
}

}  // namespace testsupport
