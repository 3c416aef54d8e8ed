// Named mutexes on flock(2): a shared lock for "held open", an exclusive lock for "owned".
#include "platform/Win32Mutex.h"

#include "platform/LastError.h"
#include "platform/RuntimeFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The state of one mutex inside this process; every handle of the process to the same name shares it.
struct MutexObject {
    std::string name;
    int presenceFd = -1;
    int ownerFd = -1;
    int ownCount = 0;
    std::thread::id owner;

    ~MutexObject()
    {
        if (ownerFd >= 0)
            close(ownerFd);
        if (presenceFd >= 0)
            close(presenceFd);
    }
};

struct MutexHandle {
    std::shared_ptr<MutexObject> object;
};

std::mutex g_tableLock;
std::map<std::string, std::weak_ptr<MutexObject>> g_named;
std::set<MutexHandle*> g_handles;

int OpenLockFile(const std::string& path)
{
    return open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

int LockRetrying(int fd, int operation)
{
    int rc;
    do
        rc = flock(fd, operation);
    while (rc != 0 && errno == EINTR);
    return rc;
}

// Opens the lock files of a named mutex and takes the shared presence lock. Sets `existed` when another process
// held the mutex open. False when the files cannot be used.
bool OpenNamed(MutexObject& object, bool& existed)
{
    std::string folder = platform::RuntimeFolder();
    if (folder.empty())
        return false;
    std::string base = folder + "/" + platform::RuntimeFileStem(object.name);
    // The test for "held open" converts an exclusive lock into a shared one, which is not atomic; the guard keeps
    // every other process's test out of that gap.
    int guard = OpenLockFile(base + ".guard");
    if (guard < 0)
        return false;
    bool ok = false;
    if (LockRetrying(guard, LOCK_EX) == 0) {
        object.presenceFd = OpenLockFile(base + ".mutex");
        if (object.presenceFd >= 0) {
            existed = LockRetrying(object.presenceFd, LOCK_EX | LOCK_NB) != 0;
            ok = LockRetrying(object.presenceFd, LOCK_SH | LOCK_NB) == 0;
        }
    }
    close(guard);  // releases the guard
    if (!ok)
        return false;
    object.ownerFd = OpenLockFile(base + ".owner");
    return object.ownerFd >= 0;
}

// One attempt at ownership for the calling thread; the table lock is held.
bool TryAcquire(MutexObject& object)
{
    std::thread::id self = std::this_thread::get_id();
    if (object.ownCount > 0) {
        if (object.owner != self)
            return false;
        ++object.ownCount;
        return true;
    }
    if (LockRetrying(object.ownerFd, LOCK_EX | LOCK_NB) != 0)
        return false;
    object.owner = self;
    object.ownCount = 1;
    return true;
}

MutexHandle* Lookup(HANDLE handle)
{
    auto* h = static_cast<MutexHandle*>(handle);
    return g_handles.count(h) ? h : nullptr;
}

}  // namespace

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCSTR name)
{
    if (name && !*name)
        name = nullptr;  // an empty name makes an unnamed mutex
    std::lock_guard<std::mutex> lock(g_tableLock);
    std::shared_ptr<MutexObject> object;
    bool existed = false;
    if (name) {
        auto it = g_named.find(name);
        if (it != g_named.end())
            object = it->second.lock();
    }
    if (object) {
        existed = true;
    } else {
        object = std::make_shared<MutexObject>();
        if (name) {
            object->name = name;
            if (!OpenNamed(*object, existed)) {
                SetLastError(ERROR_ACCESS_DENIED);
                return nullptr;
            }
            g_named[name] = object;
        } else {
            object->ownerFd = memfd_create("mutex", MFD_CLOEXEC);
            if (object->ownerFd < 0) {
                SetLastError(ERROR_ACCESS_DENIED);
                return nullptr;
            }
        }
        if (initialOwner && !existed)
            TryAcquire(*object);
    }
    auto* handle = new MutexHandle {object};
    g_handles.insert(handle);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    // Ownership released by another process wakes nobody, so the wait polls, backing off from 1 ms to 10 ms.
    std::chrono::milliseconds pause(1);
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(g_tableLock);
            MutexHandle* h = Lookup(handle);
            if (!h) {
                SetLastError(ERROR_INVALID_HANDLE);
                return WAIT_FAILED;
            }
            if (TryAcquire(*h->object))
                return WAIT_OBJECT_0;
        }
        if (milliseconds != INFINITE) {
            Clock::time_point now = Clock::now();
            if (now >= deadline)
                return WAIT_TIMEOUT;
            pause = std::min(pause, std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
}

BOOL ReleaseMutex(HANDLE handle)
{
    std::lock_guard<std::mutex> lock(g_tableLock);
    MutexHandle* h = Lookup(handle);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    MutexObject& object = *h->object;
    if (object.ownCount == 0 || object.owner != std::this_thread::get_id()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    if (--object.ownCount == 0) {
        object.owner = std::thread::id();
        LockRetrying(object.ownerFd, LOCK_UN);
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE handle)
{
    std::lock_guard<std::mutex> lock(g_tableLock);
    MutexHandle* h = Lookup(handle);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    g_handles.erase(h);
    std::string name = h->object->name;
    bool named = !name.empty();
    delete h;  // the last handle closes the lock files, which drops ownership and presence
    if (named) {
        auto it = g_named.find(name);
        if (it != g_named.end() && it->second.expired())
            g_named.erase(it);
    }
    return TRUE;
}
