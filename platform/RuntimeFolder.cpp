// Finding and verifying the per-user runtime folder.
#include "platform/RuntimeFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Why the folder may not be used, or "" when it may.
std::string Refusal(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return "cannot be used: " + std::string(std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        return "is a symbolic link";
    if (!S_ISDIR(st.st_mode))
        return "is not a folder";
    if (st.st_uid != getuid())
        return "belongs to user " + std::to_string(st.st_uid) + ", not to this user (" + std::to_string(getuid()) + ")";
    if ((st.st_mode & 0777) != 0700) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        return "has mode " + std::string(mode) + "; it must be 0700, so that no other user can enter it";
    }
    return {};
}

// Creates the folder with mode 0700 when it is missing (the creation mode can only lose bits to the umask, and a
// folder that lost some is refused by the verification, never widened), then verifies it.
RuntimeFolderCheck Verified(const std::string& path)
{
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return {{}, "the runtime folder " + path + " cannot be created: " + std::strerror(errno)};
    std::string refusal = Refusal(path);
    if (!refusal.empty())
        return {{}, "the runtime folder " + path + " " + refusal};
    return {path, {}};
}

}  // namespace

RuntimeFolderCheck CheckRuntimeFolder()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    // XDG_RUNTIME_DIR itself must be private; a folder open to others (such as /tmp) is no runtime folder.
    if (xdg && xdg[0] == '/' && Refusal(xdg).empty())
        return Verified(std::string(xdg) + "/win32-objects");
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && tmp[0] == '/' ? tmp : "/tmp";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return Verified(base + "/win32-objects-" + std::to_string(getuid()));
}

std::string RuntimeFolder()
{
    RuntimeFolderCheck check = CheckRuntimeFolder();
    if (!check.error.empty()) {
        static std::mutex lock;
        static std::set<std::string> told;
        std::lock_guard<std::mutex> guard(lock);
        if (told.insert(check.error).second)
            std::fprintf(stderr, "%s: %s; set XDG_RUNTIME_DIR to a private folder of this user\n",
                         program_invocation_short_name, check.error.c_str());
    }
    return check.path;
}

std::string RuntimeFileStem(std::string_view name, size_t maxLength)
{
    std::string stem;
    for (unsigned char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
            c == '_') {
            stem += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            stem += hex;
        }
    }
    if (stem.empty() || stem[0] == '.' || stem.size() > maxLength) {
        // FNV-1a: stable across runs and builds, which std::hash is not required to be.
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : name) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        char text[24];
        std::snprintf(text, sizeof text, "#%016llx", static_cast<unsigned long long>(hash));
        stem = text;
    }
    return stem;
}

}  // namespace platform
