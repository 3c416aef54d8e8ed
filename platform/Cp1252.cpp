// Windows-1252 <-> UTF-8.
#include "platform/Cp1252.h"

#include <cstdint>

namespace platform {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five unassigned bytes keep their C1 control code point.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

int CodePointToCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

namespace {

// Returns false at the first character Windows-1252 cannot hold or malformed byte when exact; otherwise replaces them.
bool FromUtf8(std::string_view text, std::string& out, bool exact)
{
    out.clear();
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        char32_t c = 0;
        bool valid = length > 0 && i + length <= text.size();
        if (valid) {
            c = length == 1 ? b : b & (0x7F >> length);
            for (int k = 1; k < length; ++k) {
                auto cont = static_cast<unsigned char>(text[i + k]);
                if ((cont & 0xC0) != 0x80) {
                    valid = false;
                    break;
                }
                c = (c << 6) | (cont & 0x3F);
            }
        }
        if (!valid) {
            if (exact)
                return false;
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        int mapped = CodePointToCp1252(c);
        if (mapped < 0 && exact)
            return false;
        out += mapped < 0 ? '?' : static_cast<char>(mapped);
        i += static_cast<size_t>(length);
    }
    return true;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view text)
{
    std::string out;
    FromUtf8(text, out, false);
    return out;
}

bool Utf8ToCp1252Exact(std::string_view text, std::string& out)
{
    return FromUtf8(text, out, true);
}

}  // namespace platform
