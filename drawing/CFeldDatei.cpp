// The fixed-field exchange file: whole-file load, bounded field reads and writes, write-back of changed fields.
#include "drawing/CFeldDatei.h"

#include "platform/CLocale.h"
#include "platform/TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

CFeldDatei::CFeldDatei(const char* path) : m_path(path ? path : "")
{
    std::FILE* file = platform::OpenRegularForReading(m_path.c_str());
    if (!file) return;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long length = std::ftell(file);
        if (length > 0 && length < INT_MAX && std::fseek(file, 0, SEEK_SET) == 0) {
            m_buffer.resize(static_cast<size_t>(length));
            size_t read = std::fread(m_buffer.data(), 1, m_buffer.size(), file);
            if (read == m_buffer.size()) {
                m_loaded = true;
                m_length = static_cast<int>(length);
            } else {
                m_buffer.clear();
            }
        }
    }
    std::fclose(file);
}

CFeldDatei::~CFeldDatei() { Free(); }

void CFeldDatei::Free()
{
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_loaded = false;
    m_length = 0;
    m_position = 0;
    m_changed.clear();
}

bool CFeldDatei::WriteBack()
{
    if (!m_loaded) return false;
    // Written in place, never through a link put where the file was.
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "rb+");
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) == m_length;
    for (const auto& [offset, count] : m_changed) {
        if (!ok) break;
        ok = std::fseek(file, offset, SEEK_SET) == 0 &&
             std::fwrite(m_buffer.data() + offset, 1, static_cast<size_t>(count), file) == static_cast<size_t>(count);
    }
    if (std::fclose(file) != 0) ok = false;
    if (ok) m_changed.clear();
    return ok;
}

int CFeldDatei::Seek(int offset, int origin)
{
    long long base = 0;
    if (origin == 1) base = m_position;
    else if (origin == 2) base = m_length;
    long long position = base + offset;
    if (position < INT_MIN) position = INT_MIN;
    if (position > INT_MAX) position = INT_MAX;
    m_position = static_cast<int>(position);
    return m_position;
}

bool CFeldDatei::FieldInside(int width) const
{
    return m_loaded && m_position >= 0 && static_cast<long long>(m_position) + width <= m_length;
}

namespace {

void Advance(int& position, int width)
{
    position = position > INT_MAX - width ? INT_MAX : position + width;
}

}  // namespace

int CFeldDatei::ReadInt()
{
    if (!m_loaded) return -1;
    int result = -1;
    if (FieldInside(kIntBytes)) {
        char field[kIntBytes + 1];
        std::memcpy(field, m_buffer.data() + m_position, kIntBytes);
        field[kIntBytes] = '\0';
        // As "%d" reads it: leading white space, a sign and digits; the line end stops the number. A number that
        // does not fit into an int holds no value.
        const char* p = field;
        while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
        char* end = nullptr;
        errno = 0;
        long value = std::strtol(p, &end, 10);
        if (end != p && errno == 0 && value >= INT_MIN && value <= INT_MAX) result = static_cast<int>(value);
    }
    Advance(m_position, kIntBytes);
    return result;
}

CString CFeldDatei::ReadText(int width)
{
    if (!m_loaded) return CString();
    CString text;
    if (FieldInside(width)) {
        const char* field = m_buffer.data() + m_position;
        int length = 0;
        while (length < width - 2 && field[length] != '\0') ++length;
        int first = 0;
        while (first < length && field[first] == ' ') ++first;
        text = CString(field + first, length - first);
    }
    Advance(m_position, width);
    return text;
}

std::string_view CFeldDatei::BytesAt(int offset, long long count) const
{
    if (!m_loaded || offset < 0 || count < 0 || offset + count > m_length) return {};
    return std::string_view(m_buffer.data() + offset, static_cast<size_t>(count));
}

CString CFeldDatei::ReadText30() { return ReadText(kText30Bytes); }
CString CFeldDatei::ReadText50() { return ReadText(kText50Bytes); }

bool CFeldDatei::WriteInt(int value)
{
    if (!FieldInside(kIntBytes)) return false;
    if (value < -9999999 || value > 99999999) return false;
    std::string digits = platform::FormatC("%8d", value);
    std::memcpy(m_buffer.data() + m_position, digits.data(), 8);
    m_changed.emplace_back(m_position, 8);
    Advance(m_position, kIntBytes);
    return true;
}
