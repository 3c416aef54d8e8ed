// Binary CR LF line I/O and whole-file helpers.
#include "platform/TextFile.h"

#include "platform/Win32File.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool ReadLine(std::FILE* file, CString& line)
{
    std::string text;
    bool any = false;
    int c;
    while ((c = std::getc(file)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        text += static_cast<char>(c);
    }
    if (!any)
        return false;
    if (c == '\n' && !text.empty() && text.back() == '\r')
        text.pop_back();
    line = CString(std::move(text));
    return true;
}

bool WriteLine(std::FILE* file, const char* text)
{
    if (text && std::fputs(text, file) == EOF)
        return false;
    return std::fputs("\r\n", file) != EOF;
}

bool ReadWholeFile(const char* path, std::string& bytes)
{
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteFileAtomically(const char* path, const std::string& bytes)
{
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
    struct stat existing {};
    mode_t mode;
    if (stat(path, &existing) == 0) {
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
