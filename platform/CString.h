// CString: a byte string with the operations of the classic MFC string class.
//
// Every string holds single-byte Windows-1252 text; bytes compare as unsigned values. Case operations change only
// the ASCII letters (the C locale), so internal names with umlauts are never altered. Format always formats in the C
// locale ("1.29", never "1,29"). A CString passed to Format's variable arguments must be converted with
// (LPCTSTR) or GetString(), as with any class type.
#pragma once

#include "platform/Types.h"

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int length) : m_s(s ? s : "", s && length > 0 ? static_cast<size_t>(length) : 0) {}
    CString(char ch, int repeat = 1) : m_s(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    CString(const std::string& s) : m_s(s) {}
    CString(std::string&& s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_s.c_str(); }
    const char* GetString() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator=(char ch) { m_s.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* s) { if (s) m_s += s; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }

    // Comparison as unsigned bytes: <0, 0 or >0.
    int Compare(const char* s) const;
    int CompareNoCase(const char* s) const;

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    // Zero-based position, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    CString& TrimLeft();
    CString& TrimRight();
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight(const char* set);
    CString& Trim() { TrimRight(); return TrimLeft(); }
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Number of replacements / removals.
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldSub, const char* newSub);
    int Remove(char ch);
    // New length.
    int Insert(int index, char ch);
    int Insert(int index, const char* s);
    int Delete(int index, int count = 1);

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // A writable buffer of at least minLength bytes plus the terminator; ReleaseBuffer(-1) takes the length up to
    // the first NUL.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_s;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
