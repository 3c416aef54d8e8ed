// Binary CR LF line I/O and whole-file helpers.
#include "platform/TextFile.h"

#include "platform/Win32File.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int OpenRegularFile(const char* path)
{
    if (!path) {
        errno = ENOENT;
        return -1;
    }
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = S_ISREG(st.st_mode) ? errno : EINVAL;
        close(fd);
        errno = err;
        return -1;
    }
    // A regular file never blocks; reads go on as usual.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::FILE* OpenRegularForReading(const char* path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (!file)
        close(fd);
    return file;
}

std::FILE* OpenForWriting(const char* path, const char* mode)
{
    const bool append = mode && std::strchr(mode, 'a');
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    const int fd = path ? open(path, flags, 0666) : -1;
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, append ? "ab" : "wb");
    if (!file)
        close(fd);
    return file;
}

LineRead ReadLineUpTo(std::FILE* file, CString& line, size_t maxLength)
{
    std::string text;
    bool any = false;
    int c;
    while ((c = std::getc(file)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        // One byte more than the line may hold can still be the "\r" of its line end.
        if (text.size() > maxLength)
            return LineRead::TooLong;
        text += static_cast<char>(c);
    }
    if (!any)
        return LineRead::End;
    if (c == '\n' && !text.empty() && text.back() == '\r')
        text.pop_back();
    if (text.size() > maxLength)
        return LineRead::TooLong;
    line = CString(std::move(text));
    return LineRead::Line;
}

bool ReadLine(std::FILE* file, CString& line)
{
    return ReadLineUpTo(file, line, std::string::npos) == LineRead::Line;
}

bool WriteLine(std::FILE* file, const char* text)
{
    if (text && std::fputs(text, file) == EOF)
        return false;
    return std::fputs("\r\n", file) != EOF;
}

bool ReadWholeFile(const char* path, std::string& bytes, size_t maxBytes)
{
    std::FILE* f = OpenRegularForReading(path);
    if (!f)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while (bytes.size() <= maxBytes && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        const size_t room = maxBytes - bytes.size();
        bytes.append(buffer, room < n ? room + 1 : n);
    }
    bool ok = !std::ferror(f) && bytes.size() <= maxBytes;
    std::fclose(f);
    return ok;
}

bool WriteFileAtomically(const char* path, const std::string& bytes)
{
    // A link in the target's place is neither followed nor replaced.
    struct stat existing {};
    const bool exists = lstat(path, &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode)) {
        errno = ELOOP;
        return false;
    }
    std::string temp;
    int fd = CreateTemporaryBeside(path, temp);
    if (fd < 0)
        return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    // The temporary is created 0600: give the file the target's permissions, or the usual ones for a new file.
    mode_t mode;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && fchmod(fd, mode) == 0;
    ok = ok && fsync(fd) == 0;
    // Renamed while the temporary's lock is held, so no other run takes it for one a killed run left behind.
    ok = ok && std::rename(temp.c_str(), path) == 0;
    if (!ok)
        unlink(temp.c_str());
    close(fd);
    return ok;
}

}  // namespace platform
