// CString: byte-string operations, C-locale formatting.
#include "platform/CString.h"

#include "platform/CLocale.h"

#include <algorithm>
#include <cstring>

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int Sign(int v) { return (v > 0) - (v < 0); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_s[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
        m_s[static_cast<size_t>(index)] = ch;
}

int CString::Compare(const char* s) const
{
    return Sign(std::strcmp(m_s.c_str(), s ? s : ""));
}

int CString::CompareNoCase(const char* s) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_s.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(s ? s : "");
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
        unsigned char cb = static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const char* set) const
{
    return Left(static_cast<int>(std::strspn(m_s.c_str(), set ? set : "")));
}

CString CString::SpanExcluding(const char* set) const
{
    return Left(static_cast<int>(std::strcspn(m_s.c_str(), set ? set : "")));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t pos = m_s.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t pos = m_s.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* set) const
{
    size_t pos = m_s.find_first_of(set ? set : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_s.size() && IsBlank(m_s[n]))
        ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_s.size();
    while (n > 0 && IsBlank(m_s[n - 1]))
        --n;
    m_s.resize(n);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    char set[2] = {ch, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimRight(char ch)
{
    char set[2] = {ch, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(const char* set)
{
    size_t pos = m_s.find_first_not_of(set ? set : "");
    m_s.erase(0, pos == std::string::npos ? m_s.size() : pos);
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    size_t pos = m_s.find_last_not_of(set ? set : "");
    m_s.resize(pos == std::string::npos ? 0 : pos + 1);
    return *this;
}

CString& CString::MakeUpper()
{
    std::transform(m_s.begin(), m_s.end(), m_s.begin(), AsciiUpper);
    return *this;
}

CString& CString::MakeLower()
{
    std::transform(m_s.begin(), m_s.end(), m_s.begin(), AsciiLower);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (char& c : m_s) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldSub, const char* newSub)
{
    if (!oldSub || !*oldSub)
        return 0;
    const std::string from(oldSub);
    const std::string to(newSub ? newSub : "");
    int count = 0;
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = m_s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(m_s, pos, hit - pos);
        out += to;
        ++count;
    }
    out.append(m_s, pos, std::string::npos);
    m_s.swap(out);
    return count;
}

int CString::Remove(char ch)
{
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(before - m_s.size());
}

int CString::Insert(int index, char ch)
{
    index = std::clamp(index, 0, GetLength());
    m_s.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* s)
{
    index = std::clamp(index, 0, GetLength());
    m_s.insert(static_cast<size_t>(index), s ? s : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    m_s = platform::VFormatC(format, args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_s += platform::VFormatC(format, args);
    va_end(args);
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

char* CString::GetBufferSetLength(int length)
{
    m_s.resize(static_cast<size_t>(std::max(length, 0)));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_s.c_str()));
    m_s.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }
