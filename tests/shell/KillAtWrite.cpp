// Loaded into the program under test with LD_PRELOAD: the n-th write to a regular file (n from the environment
// variable KILL_AT_WRITE) writes the first half of its bytes and the process is killed with SIGKILL, as a crash at
// the moment of the write would leave it. Only a test loads it.
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long g_writes = 0;

// True when this write is the one to die in.
bool DieHere(int fd)
{
    static const long target = [] {
        const char* n = std::getenv("KILL_AT_WRITE");
        return n ? std::atol(n) : 0L;
    }();
    struct stat st {};
    if (target <= 0 || fd <= 2 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return ++g_writes == target;
}

template <class F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size)
{
    static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (DieHere(fd)) {
        real(fd, data, size / 2);
        raise(SIGKILL);
    }
    return real(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset)
{
    static auto real = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    if (DieHere(fd)) {
        real(fd, data, size / 2, offset);
        raise(SIGKILL);
    }
    return real(fd, data, size, offset);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off_t offset)
{
    static auto real = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64");
    if (DieHere(fd)) {
        real(fd, data, size / 2, offset);
        raise(SIGKILL);
    }
    return real(fd, data, size, offset);
}

}  // extern "C"
