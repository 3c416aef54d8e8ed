// A lock of a folder shared by several processes, whoever runs them: an exclusive flock on a lock file in it.
//
// The kernel drops the lock when its process ends, so a crashed run never blocks the next one; the file itself
// stays, empty and without state. The lock file is opened without following a link and made readable by every user
// (a lock needs only a read descriptor), so the runs of several users of one installation meet on it.
#pragma once

#include "platform/Types.h"

namespace platform {

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Opens (or creates) the lock file; false when it cannot be opened, a link or no regular file stands there.
    bool Open(const char* lockFile);
    // Takes the lock, waiting up to timeoutMs for the process that holds it; false when it is still held then (or
    // the file is not open). True at once when this object already holds it.
    bool Acquire(DWORD timeoutMs);
    bool IsHeld() const { return m_held; }
    // Lets go of the lock and closes the file.
    void Release();

private:
    int m_fd = -1;
    bool m_held = false;
};

}  // namespace platform
