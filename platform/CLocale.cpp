// C-locale formatting through a thread-local switch to a cached "C" locale object.
#include "platform/CLocale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace platform {
namespace {

locale_t CLocaleObject()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

// Switches the calling thread to the C locale for its lifetime.
class ScopedCLocale {
public:
    ScopedCLocale() : m_previous(uselocale(CLocaleObject())) {}
    ~ScopedCLocale() { uselocale(m_previous); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t m_previous;
};

}  // namespace

std::string VFormatC(const char* format, va_list args)
{
    ScopedCLocale c;
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, format ? format : "", copy);
    va_end(copy);
    if (n < 0)
        return std::string();
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string FormatC(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string s = VFormatC(format, args);
    va_end(args);
    return s;
}

double AtofC(const char* text)
{
    ScopedCLocale c;
    return text ? std::atof(text) : 0.0;
}

int AtoiC(const char* text)
{
    return text ? std::atoi(text) : 0;
}

int SscanfC(const char* text, const char* format, ...)
{
    ScopedCLocale c;
    va_list args;
    va_start(args, format);
    int n = std::vsscanf(text ? text : "", format, args);
    va_end(args);
    return n;
}

}  // namespace platform
