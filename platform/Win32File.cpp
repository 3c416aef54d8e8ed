// POSIX implementations of the Win32 and C run-time file calls.
#include "platform/Win32File.h"

#include "platform/ApplicationNames.h"
#include "platform/LastError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <map>
#include <memory>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

DWORD ErrnoToWin32(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    default:
        return static_cast<DWORD>(0x1F);  // ERROR_GEN_FAILURE
    }
}

BOOL Fail(int err)
{
    SetLastError(ErrnoToWin32(err));
    return FALSE;
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

struct FindState {
    std::vector<_finddata_t> matches;
    size_t next = 0;
};

std::map<std::intptr_t, std::unique_ptr<FindState>>& FindStates()
{
    static std::map<std::intptr_t, std::unique_ptr<FindState>> states;
    return states;
}

bool NextMatch(FindState& state, _finddata_t* data)
{
    if (state.next >= state.matches.size())
        return false;
    *data = state.matches[state.next++];
    return true;
}

}  // namespace

namespace {

constexpr size_t kTemporaryRandom = 6;  // the characters mkstemp puts in place of "XXXXXX"

// Whose permission bits a copy takes: the source's (the original platform's copy), those of the file it replaces, or
// the source's with its owner and group where they can be kept (a backup of a person's file, never through a link).
enum class CopyMode { FromSource, KeepTarget, Backup };

mode_t NewFileMode()
{
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Gives the new file model's owner and group where the system allows it (only root may give a file away; anyone may
// keep a group they belong to) and returns model's permission bits, without those of a group or owner the new file
// could not take: a copy never opens to others what the model keeps from them.
mode_t TakeOwnership(int fd, const struct stat& model)
{
    // Otherwise the copy stays ours, in our group.
    const bool owned =
        fchown(fd, model.st_uid, model.st_gid) == 0 || fchown(fd, static_cast<uid_t>(-1), model.st_gid) == 0;
    (void)owned;
    mode_t mode = model.st_mode & 07777;
    struct stat made {};
    if (fstat(fd, &made) != 0)
        return mode & S_IRWXU;
    if (made.st_gid != model.st_gid)
        mode &= ~(S_IRWXG | S_ISGID);
    if (made.st_uid != model.st_uid)
        mode &= ~S_ISUID;
    return mode;
}

BOOL CopyWhole(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists, CopyMode copyMode)
{
    if (!existingFile || !newFile)
        return Fail(ENOENT);
    // The target's place itself: a link there is neither followed nor replaced.
    struct stat target {};
    const bool targetExists = lstat(newFile, &target) == 0;
    if (targetExists) {
        if (failIfExists)
            return Fail(EEXIST);
        if (S_ISLNK(target.st_mode))
            return Fail(ELOOP);
        if (S_ISDIR(target.st_mode) || (target.st_mode & kWriteBits) == 0)
            return Fail(EACCES);
    }
    // Never waits for a FIFO's writer; what is no regular file is refused below.
    const int noFollow = copyMode == CopyMode::Backup ? O_NOFOLLOW : 0;
    int in = open(existingFile, O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow);
    if (in < 0)
        return Fail(errno);
    struct stat source {};
    if (fstat(in, &source) != 0 || !S_ISREG(source.st_mode)) {
        int err = errno ? errno : EACCES;
        close(in);
        return Fail(err);
    }
    std::string temp;
    int out = platform::CreateTemporaryBeside(newFile, temp);
    if (out < 0) {
        int err = errno;
        close(in);
        return Fail(err);
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (!WriteAll(out, buffer, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    int err = ok ? 0 : (errno ? errno : EIO);
    close(in);
    mode_t mode = source.st_mode & 07777;
    if (copyMode == CopyMode::KeepTarget)
        mode = targetExists ? TakeOwnership(out, target) : NewFileMode();
    else if (copyMode == CopyMode::Backup)
        mode = TakeOwnership(out, source);
    if (ok && fchmod(out, mode) != 0)
        ok = false, err = errno;
    if (ok && fsync(out) != 0)
        ok = false, err = errno;
    // Renamed while the lock is still held, so no other run ever takes the finished copy for a stale one.
    if (ok && rename(temp.c_str(), newFile) != 0)
        ok = false, err = errno;
    if (!ok)
        unlink(temp.c_str());
    close(out);  // after fsync and rename the copy stands, whatever close reports
    if (!ok)
        return Fail(err);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

bool IsOwnTemporaryName(const char* name)
{
    const std::string& temporaryPrefix = platform::GetApplicationNames().temporaryPrefix;
    const size_t prefix = temporaryPrefix.size();
    if (std::strncmp(name, temporaryPrefix.c_str(), prefix) != 0 || std::strlen(name) != prefix + kTemporaryRandom)
        return false;
    for (size_t i = prefix; i < prefix + kTemporaryRandom; ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

bool Before(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

}  // namespace

BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    return CopyWhole(existingFile, newFile, failIfExists, CopyMode::FromSource);
}

BOOL platform::CopyFileKeepingTarget(LPCSTR existingFile, LPCSTR newFile)
{
    return CopyWhole(existingFile, newFile, FALSE, CopyMode::KeepTarget);
}

BOOL platform::BackUpFile(LPCSTR file, LPCSTR backup)
{
    return CopyWhole(file, backup, FALSE, CopyMode::Backup);
}

DWORD GetFileAttributesA(LPCSTR path)
{
    struct stat st {};
    if (!path || stat(path, &st) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if ((st.st_mode & kWriteBits) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL SetFileAttributesA(LPCSTR path, DWORD attributes)
{
    struct stat st {};
    if (!path || stat(path, &st) != 0)
        return Fail(errno);
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~kWriteBits) : (mode | S_IWUSR);
    if (chmod(path, mode) != 0)
        return Fail(errno);
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size)
{
    if (module != nullptr || !buffer || size == 0)
        return 0;
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return 0;
    size_t copy = std::min(static_cast<size_t>(n), static_cast<size_t>(size - 1));
    std::memcpy(buffer, path, copy);
    buffer[copy] = '\0';
    return static_cast<DWORD>(copy);
}

BOOL SetCurrentDirectoryA(LPCSTR path)
{
    if (!path || chdir(path) != 0)
        return Fail(errno);
    return TRUE;
}

int _mkdir(const char* path)
{
    return (path && mkdir(path, 0777) == 0) ? 0 : -1;
}

std::intptr_t _findfirst(const char* pattern, _finddata_t* data)
{
    if (!pattern || !data)
        return -1;
    std::string full(pattern);
    size_t slash = full.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : full.substr(0, slash));
    std::string mask = slash == std::string::npos ? full : full.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return -1;
    auto state = std::make_unique<FindState>();
    while (dirent* entry = readdir(dir)) {
        if (fnmatch(mask.c_str(), entry->d_name, FNM_PERIOD) != 0 && !(mask == "*" || mask == "*.*"))
            continue;
        struct stat st {};
        std::string path = folder + "/" + entry->d_name;
        if (stat(path.c_str(), &st) != 0)
            continue;
        _finddata_t match {};
        match.attrib = (S_ISDIR(st.st_mode) ? _A_SUBDIR : 0u) | ((st.st_mode & kWriteBits) == 0 ? _A_RDONLY : 0u);
        match.time_create = st.st_ctime;
        match.time_access = st.st_atime;
        match.time_write = st.st_mtime;
        match.size = static_cast<unsigned long>(st.st_size);
        std::strncpy(match.name, entry->d_name, sizeof match.name - 1);
        state->matches.push_back(match);
    }
    closedir(dir);
    if (!NextMatch(*state, data))
        return -1;
    static std::intptr_t nextHandle = 1;
    std::intptr_t handle = nextHandle++;
    FindStates()[handle] = std::move(state);
    return handle;
}

int _findnext(std::intptr_t handle, _finddata_t* data)
{
    auto it = FindStates().find(handle);
    if (it == FindStates().end() || !data)
        return -1;
    return NextMatch(*it->second, data) ? 0 : -1;
}

int _findclose(std::intptr_t handle)
{
    return FindStates().erase(handle) ? 0 : -1;
}

namespace platform {

CString ProgramDirectory()
{
    const std::string& variable = GetApplicationNames().homeVariable;
    const char* home = variable.empty() ? nullptr : std::getenv(variable.c_str());
    std::string dir;
    if (home && *home) {
        dir = home;
    } else {
        char exe[4096];
        if (GetModuleFileNameA(nullptr, exe, sizeof exe) > 0) {
            dir = exe;
            size_t slash = dir.find_last_of('/');
            dir = slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
        } else {
            dir = ".";
        }
    }
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return CString(dir);
}

std::string TemporaryNameBeside(const char* path)
{
    std::string p(path ? path : "");
    size_t slash = p.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
    return folder + GetApplicationNames().temporaryPrefix + std::string(kTemporaryRandom, 'X');
}

namespace {

struct StaleSweep {
    bool enabled = false;
    struct timespec runStart {};
    std::set<std::string> sweptFolders;
};

StaleSweep& Sweep()
{
    static StaleSweep sweep;
    return sweep;
}

}  // namespace

void RemoveStaleTemporariesWhereWriting(const struct timespec& runStart)
{
    Sweep().enabled = true;
    Sweep().runStart = runStart;
}

int CreateTemporaryBeside(const char* path, std::string& name)
{
    name = TemporaryNameBeside(path);
    StaleSweep& sweep = Sweep();
    if (sweep.enabled) {
        const size_t slash = name.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
        if (sweep.sweptFolders.insert(folder).second)
            RemoveStaleTemporaries(folder.c_str(), sweep.runStart);
    }
    int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return -1;
    // A file just made cannot be locked by anyone else; the lock only tells other runs that it is alive.
    while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    return fd;
}

int RemoveStaleTemporaries(const char* folder, const struct timespec& before)
{
    DIR* dir = opendir(folder && *folder ? folder : ".");
    if (!dir)
        return 0;
    const std::string base = folder && *folder ? std::string(folder) + "/" : std::string();
    int removed = 0;
    while (dirent* entry = readdir(dir)) {
        if (!IsOwnTemporaryName(entry->d_name))
            continue;
        const std::string path = base + entry->d_name;
        int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        // A live run holds its lock until its temporary is renamed or removed.
        const bool stale = fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && Before(opened.st_mtim, before) &&
                           flock(fd, LOCK_EX | LOCK_NB) == 0 && lstat(path.c_str(), &named) == 0 &&
                           named.st_ino == opened.st_ino && named.st_dev == opened.st_dev;
        if (stale && unlink(path.c_str()) == 0)
            ++removed;
        close(fd);
    }
    closedir(dir);
    return removed;
}

}  // namespace platform
