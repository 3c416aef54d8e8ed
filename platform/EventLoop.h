// The one event loop of the user-interface thread: posted tasks, timers and watched descriptors.
//
// The window model's message queue, WM_TIMER, the inter-process sockets and, when present, the window backend are
// all served from here, so every loop (the main loop and each nested modal loop) dispatches all of them. Nothing here
// starts a thread; callbacks run on the thread that runs the loop.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace platform {

class EventLoop {
public:
    using Task = std::function<void()>;
    using FdCallback = std::function<void(int fd, short revents)>;
    using Clock = std::chrono::steady_clock;

    // The calling thread's loop.
    static EventLoop& Current();

    // Queues a task; tasks run in the order posted. A deferred task waits until no modal loop is running (used for
    // requests that must never act under a running handler, such as a close posted by another process).
    void Post(Task task);
    void PostDeferred(Task task);

    // Runs the task once, at the start of the next pass (of any loop, nested ones included) that finds no posted task
    // waiting: the queue has run empty, so whatever the work before it caused has been carried out.
    void WhenIdle(Task task);

    // A periodic timer; returns its id (never 0). The callback runs at most once per loop pass and only when the
    // queue of posted tasks is empty, as WM_TIMER is a low-priority message.
    std::uint64_t AddTimer(std::chrono::milliseconds interval, Task callback);
    void RemoveTimer(std::uint64_t id);

    // Watches a descriptor for poll events (POLLIN, POLLOUT); returns a watch id (never 0).
    std::uint64_t WatchFd(int fd, short events, FdCallback callback);
    void UnwatchFd(std::uint64_t id);

    // A hook the window backend uses to pump its own events each pass; it also caps the poll time-out.
    void SetBackendPump(Task pump, std::chrono::milliseconds maxWait);

    // Runs one pass: posted tasks, ready descriptors, due timers. Waits at most `wait` when nothing is ready
    // (negative: wait without limit, as long as something can wake the loop). Returns whether anything was dispatched.
    bool RunOnce(std::chrono::milliseconds wait = std::chrono::milliseconds(-1));

    // Runs passes until done() is true. Counts as a modal loop while running when modal is set.
    void RunUntil(const std::function<bool()>& done, bool modal);

    int ModalDepth() const { return m_modalDepth; }

    // Whether anything at all could wake a blocking pass (tasks, timers, descriptors, a backend).
    bool HasSources() const;

private:
    struct Timer {
        std::chrono::milliseconds interval;
        Clock::time_point due;
        Task callback;
    };
    struct Watch {
        int fd;
        short events;
        FdCallback callback;
    };

    bool RunPostedTasks();
    bool RunDueTimers();
    bool PollDescriptors(std::chrono::milliseconds wait);

    std::deque<Task> m_tasks;
    std::deque<Task> m_deferred;
    std::vector<Task> m_idle;
    std::map<std::uint64_t, Timer> m_timers;
    std::map<std::uint64_t, Watch> m_watches;
    std::uint64_t m_nextId = 1;
    int m_modalDepth = 0;
    Task m_backendPump;
    std::chrono::milliseconds m_backendMaxWait {0};
};

}  // namespace platform
