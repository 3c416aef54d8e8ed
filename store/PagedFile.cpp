// The page cache of an open memory-image file.
#include "store/PagedFile.h"

#include "platform/Win32File.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PagedFile::~PagedFile()
{
    Close();
}

bool PagedFile::Open(const char* path, int flags, int mode, bool replaceWhole)
{
    Close();
    m_path = path;
    m_replaceWhole = replaceWhole;
    // A working file is a regular file in its own place: a link there is not followed, and a FIFO or device is
    // neither waited on nor read.
    m_fd = open(path, flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, mode);
    if (m_fd < 0)
        return false;
    struct stat st {};
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        return false;
    }
    m_readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    m_mode = st.st_mode & 07777;
    m_size = 0;
    m_loaded.clear();
    Resize(static_cast<long>(st.st_size));
    return true;
}

bool PagedFile::Close()
{
    bool ok = true;
    if (m_fd >= 0 && !m_replacement.empty()) {
        // The temporary's lock lasts until after the rename, so no other run takes it for a stale one.
        ok = !m_writeFailed && fsync(m_fd) == 0 && rename(m_replacement.c_str(), m_path.c_str()) == 0;
        if (!ok)
            unlink(m_replacement.c_str());
        close(m_fd);
    } else if (m_fd >= 0) {
        ok = close(m_fd) == 0;
    }
    m_fd = -1;
    m_replacement.clear();
    m_writeFailed = false;
    m_size = 0;
    m_loaded.clear();
    return ok;
}

void PagedFile::Resize(long size)
{
    if (size > m_capacity) {
        std::unique_ptr<char[]> grown(new char[static_cast<size_t>(size)]);
        if (m_size > 0)
            std::memcpy(grown.get(), m_cache.get(), static_cast<size_t>(m_size));
        m_cache = std::move(grown);
        m_capacity = size;
    }
    m_size = size;
    m_loaded.resize(static_cast<size_t>((m_size + kPageSize - 1) / kPageSize), 0);
}

bool PagedFile::Load(long first, long end)
{
    // Fetches the missing pages of [first, end), each run of missing pages with one read.
    long page = first / kPageSize;
    const long lastPage = (end - 1) / kPageSize;
    while (page <= lastPage) {
        if (m_loaded[static_cast<size_t>(page)]) {
            ++page;
            continue;
        }
        long runEnd = page;
        while (runEnd + 1 <= lastPage && !m_loaded[static_cast<size_t>(runEnd + 1)])
            ++runEnd;
        const long from = page * kPageSize;
        const long to = std::min(m_size, (runEnd + 1) * kPageSize);
        long done = 0;
        while (from + done < to) {
            ssize_t n = pread(m_fd, m_cache.get() + from + done, static_cast<size_t>(to - from - done), from + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += n;
        }
        std::fill(m_loaded.begin() + page, m_loaded.begin() + runEnd + 1, 1);
        page = runEnd + 1;
    }
    return true;
}

const char* PagedFile::Read(long position, size_t length, size_t& available)
{
    available = 0;
    if (m_fd < 0 || position < 0 || position >= m_size)
        return nullptr;
    const long end = std::min(m_size, position + static_cast<long>(length));
    if (!Load(position, end))
        return nullptr;
    available = static_cast<size_t>(end - position);
    return m_cache.get() + position;
}

bool PagedFile::BeginReplacement()
{
    if (m_size > 0 && !Load(0, m_size))
        return false;
    std::string name;
    int fd = platform::CreateTemporaryBeside(m_path.c_str(), name);
    if (fd < 0)
        return false;
    long done = 0;
    while (done < m_size) {
        ssize_t n = pwrite(fd, m_cache.get() + done, static_cast<size_t>(m_size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    if (done != m_size || fchmod(fd, static_cast<mode_t>(m_mode)) != 0) {
        unlink(name.c_str());
        close(fd);
        return false;
    }
    close(m_fd);
    m_fd = fd;
    m_replacement = name;
    return true;
}

bool PagedFile::Write(long position, const char* data, size_t length)
{
    // A write never changes the file's length: none past its end, and none into a file that someone cut or grew
    // while it was open (a write past the new end would fill the gap with zeros).
    struct stat now {};
    if (m_fd < 0 || position < 0 || position + static_cast<long>(length) > m_size || fstat(m_fd, &now) != 0 ||
        now.st_size != m_size)
        return false;
    if (m_replaceWhole && m_replacement.empty() && !BeginReplacement())
        return false;
    size_t done = 0;
    while (done < length) {
        ssize_t n = pwrite(m_fd, data + done, length - done, position + static_cast<long>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    if (done > 0)
        std::memcpy(m_cache.get() + position, data, done);
    if (done != length)
        m_writeFailed = true;
    return done == length;
}
