// The folder lock: a flock on an empty file, taken with a polling wait.
#include "platform/FolderLock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

FolderLock::~FolderLock()
{
    Release();
}

bool FolderLock::Open(const char* lockFile)
{
    Release();
    const int fd = open(lockFile, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    // Another user's run must be able to open it too, whatever this run's umask made of it.
    if (st.st_uid == geteuid() && (st.st_mode & 0444) != 0444)
        fchmod(fd, (st.st_mode & 07777) | 0444);
    m_fd = fd;
    return true;
}

bool FolderLock::Acquire(DWORD timeoutMs)
{
    if (m_held)
        return true;
    if (m_fd < 0)
        return false;
    // A lock let go by another process wakes nobody, so the wait polls, backing off from 1 ms to 20 ms.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void FolderLock::Release()
{
    if (m_fd >= 0)
        close(m_fd);  // drops the lock with the descriptor
    m_fd = -1;
    m_held = false;
}

}  // namespace platform
