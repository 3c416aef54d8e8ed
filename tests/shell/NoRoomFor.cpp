// Loaded into the program under test with LD_PRELOAD: creating the file named by the environment variable
// NO_ROOM_FOR (its last path component, in any folder) fails with ENOSPC, as on a disc without room for one more
// file; every other file opens as usual. Only a test loads it.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool NoRoomFor(const char* path, int flags)
{
    static const char* name = std::getenv("NO_ROOM_FOR");
    if (!name || !*name || !path || !(flags & O_CREAT))
        return false;
    const char* last = std::strrchr(path, '/');
    last = last ? last + 1 : path;
    struct stat st {};
    return std::strcmp(last, name) == 0 && stat(path, &st) != 0;
}

}  // namespace

extern "C" int open(const char* path, int flags, ...)
{
    static auto real = reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open"));
    mode_t mode = 0;
    if (flags & O_CREAT) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
    }
    if (NoRoomFor(path, flags)) {
        errno = ENOSPC;
        return -1;
    }
    return real(path, flags, mode);
}
