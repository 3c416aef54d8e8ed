// An open file read through a cache of 4 KB pages and written through at once.
//
// Reads fetch the pages they touch once and serve every later read from memory; writes go to the disc at once (so a
// failed write is reported by the write that failed) and into the cache. The file must not be changed by anyone
// else while it is open.
//
// A file opened to be replaced whole is never changed in place: the first write copies it into a locked temporary
// beside it, every write goes there, and Close puts the temporary in the file's place with one rename. A run killed
// at any moment leaves the file as it was or with all the writes of the open; a write that failed drops them all.
#pragma once

#include <memory>
#include <string>
#include <vector>

class PagedFile {
public:
    PagedFile() = default;
    ~PagedFile();
    PagedFile(const PagedFile&) = delete;
    PagedFile& operator=(const PagedFile&) = delete;

    // open(2) flags and mode; false when the file cannot be opened.
    bool Open(const char* path, int flags, int mode = 0666, bool replaceWhole = false);
    // False when closing reported an error (data may not have reached the disc) or, for a file replaced whole, when
    // its writes could not be put in its place (the file then stays as it was before the open).
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The file carried no write permission bit when it was opened (the platform's read-only attribute).
    bool IsReadOnly() const { return m_readOnly; }

    // The bytes from position on, up to length or the end of the file: a pointer into the cache and their count.
    const char* Read(long position, size_t length, size_t& available);
    // Writes all bytes at position; false when any could not be written. Never changes the file's length: a write
    // that reaches past the end, or into a file whose length changed since it was opened, writes nothing.
    bool Write(long position, const char* data, size_t length);
    long Size() const { return m_size; }

private:
    static constexpr long kPageSize = 4096;
    bool Load(long first, long end);
    void Resize(long size);
    // Moves the open file's content into the temporary that later writes go to.
    bool BeginReplacement();

    int m_fd = -1;
    long m_size = 0;
    long m_capacity = 0;
    bool m_readOnly = false;
    std::string m_path;
    unsigned m_mode = 0;             // permission bits of the file as opened
    bool m_replaceWhole = false;
    std::string m_replacement;       // the temporary that takes the writes, once the first write came
    bool m_writeFailed = false;
    std::unique_ptr<char[]> m_cache;  // bytes of unloaded pages are undefined
    std::vector<char> m_loaded;  // one flag per page
};
