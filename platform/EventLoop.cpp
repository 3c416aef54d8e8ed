// The user-interface thread's event loop on poll(2).
#include "platform/EventLoop.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>

namespace platform {

EventLoop& EventLoop::Current()
{
    thread_local EventLoop loop;
    return loop;
}

void EventLoop::Post(Task task)
{
    m_tasks.push_back(std::move(task));
}

void EventLoop::PostDeferred(Task task)
{
    m_deferred.push_back(std::move(task));
}

namespace {
constexpr std::chrono::milliseconds kIdleRecheck {10};
}

void EventLoop::WhenIdle(Task task)
{
    m_idle.push_back(std::move(task));
}

std::uint64_t EventLoop::AddTimer(std::chrono::milliseconds interval, Task callback)
{
    interval = std::max(interval, std::chrono::milliseconds(1));
    std::uint64_t id = m_nextId++;
    m_timers[id] = Timer {interval, Clock::now() + interval, std::move(callback)};
    return id;
}

void EventLoop::RemoveTimer(std::uint64_t id)
{
    m_timers.erase(id);
}

std::uint64_t EventLoop::WatchFd(int fd, short events, FdCallback callback)
{
    std::uint64_t id = m_nextId++;
    m_watches[id] = Watch {fd, events, std::move(callback)};
    return id;
}

void EventLoop::UnwatchFd(std::uint64_t id)
{
    m_watches.erase(id);
}

void EventLoop::SetBackendPump(Task pump, std::chrono::milliseconds maxWait)
{
    m_backendPump = std::move(pump);
    m_backendMaxWait = maxWait;
}

bool EventLoop::HasSources() const
{
    return !m_tasks.empty() || (!m_deferred.empty() && m_modalDepth == 0) || !m_idle.empty() || !m_timers.empty() ||
           !m_watches.empty() || static_cast<bool>(m_backendPump);
}

bool EventLoop::RunPostedTasks()
{
    if (m_modalDepth == 0 && !m_deferred.empty()) {
        while (!m_deferred.empty()) {
            m_tasks.push_back(std::move(m_deferred.front()));
            m_deferred.pop_front();
        }
    }
    // Only what was queued before this pass runs now, so a task that posts again cannot starve the descriptors.
    size_t count = m_tasks.size();
    for (size_t i = 0; i < count && !m_tasks.empty(); ++i) {
        Task task = std::move(m_tasks.front());
        m_tasks.pop_front();
        if (task)
            task();
    }
    return count > 0;
}

bool EventLoop::RunDueTimers()
{
    Clock::time_point now = Clock::now();
    std::vector<std::uint64_t> due;
    for (const auto& [id, timer] : m_timers)
        if (timer.due <= now)
            due.push_back(id);
    std::sort(due.begin(), due.end(), [this](std::uint64_t a, std::uint64_t b) {
        return m_timers[a].due < m_timers[b].due;
    });
    bool any = false;
    for (std::uint64_t id : due) {
        auto it = m_timers.find(id);
        if (it == m_timers.end())
            continue;  // removed by an earlier callback of this pass
        it->second.due = Clock::now() + it->second.interval;
        Task callback = it->second.callback;  // the callback may remove its own timer
        any = true;
        callback();
    }
    return any;
}

bool EventLoop::PollDescriptors(std::chrono::milliseconds wait)
{
    std::vector<pollfd> fds;
    std::vector<std::uint64_t> ids;
    for (const auto& [id, watch] : m_watches) {
        fds.push_back(pollfd {watch.fd, watch.events, 0});
        ids.push_back(id);
    }
    int timeout = wait.count() < 0 ? -1 : static_cast<int>(std::min<long long>(wait.count(), 1 << 30));
    int n = poll(fds.data(), fds.size(), timeout);
    if (n <= 0)
        return false;
    bool any = false;
    for (size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].revents == 0)
            continue;
        auto it = m_watches.find(ids[i]);
        if (it == m_watches.end())
            continue;  // unwatched by an earlier callback of this pass
        FdCallback callback = it->second.callback;
        any = true;
        callback(fds[i].fd, fds[i].revents);
    }
    return any;
}

bool EventLoop::RunOnce(std::chrono::milliseconds wait)
{
    bool any = false;
    if (m_backendPump)
        m_backendPump();
    any |= RunPostedTasks();

    std::chrono::milliseconds timeout = wait;
    bool tasksWaiting = !m_tasks.empty() || (m_modalDepth == 0 && !m_deferred.empty());
    bool ranIdle = false;
    if (!tasksWaiting && !m_idle.empty()) {
        // Tasks registered by these run at a later pass, after the next wait (kept short, so the caller soon sees
        // what they changed): one that keeps registering itself cannot make the loop spin.
        ranIdle = true;
        std::vector<Task> idle;
        idle.swap(m_idle);
        for (Task& task : idle)
            task();
        tasksWaiting = !m_tasks.empty() || (m_modalDepth == 0 && !m_deferred.empty());
    }
    if (any || tasksWaiting) {
        timeout = std::chrono::milliseconds(0);
    } else {
        if (ranIdle || !m_idle.empty())
            timeout = timeout.count() < 0 ? kIdleRecheck : std::min(timeout, kIdleRecheck);
        if (!m_timers.empty()) {
            Clock::time_point next = Clock::time_point::max();
            for (const auto& entry : m_timers)
                next = std::min(next, entry.second.due);
            auto untilNext = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
            untilNext = std::max(untilNext, std::chrono::milliseconds(0));
            timeout = timeout.count() < 0 ? untilNext : std::min(timeout, untilNext);
        }
        if (m_backendPump)
            timeout = timeout.count() < 0 ? m_backendMaxWait : std::min(timeout, m_backendMaxWait);
    }
    any |= PollDescriptors(timeout) || ranIdle;
    if (m_tasks.empty())
        any |= RunDueTimers();
    return any;
}

void EventLoop::RunUntil(const std::function<bool()>& done, bool modal)
{
    if (modal)
        ++m_modalDepth;
    while (!done()) {
        if (!HasSources())
            break;  // nothing could ever end the wait: never block forever
        RunOnce();
    }
    if (modal)
        --m_modalDepth;
}

}  // namespace platform
