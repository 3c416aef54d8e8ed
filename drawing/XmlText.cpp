// Text and number conversion of the parser's UTF-16 character data.
#include "drawing/XmlText.h"

#include "platform/Cp1252.h"

#include <xercesc/util/XMLString.hpp>

#include <cstdint>

namespace drawing {

std::string XmlToCp1252(const XMLCh* text, size_t length)
{
    std::string out;
    if (!text) return out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            // A pair of surrogates is one character outside the code page; so is a surrogate standing alone.
            if (unit <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
            out += '?';
            continue;
        }
        const int byte = platform::CodePointToCp1252(unit);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string XmlToCp1252(const XMLCh* text)
{
    return XmlToCp1252(text, text ? xercesc::XMLString::stringLen(text) : 0);
}

int XmlToUInt(const XMLCh* text, bool* clean)
{
    unsigned int value = 0;
    bool ok = false;
    if (text) {
        try {
            ok = xercesc::XMLString::textToBin(text, value);
        } catch (...) {
            ok = false;  // an overflowing number raises inside the library
        }
    }
    // A number beyond the signed 32-bit range cannot be an id or a number of the drawing.
    if (value > 0x7FFFFFFFu) ok = false;
    if (clean) *clean = ok;
    return ok ? static_cast<int>(value) : 0;
}

int XmlToColour(const XMLCh* text)
{
    // The drawing tool writes "no colour" as -1 in some versions and as its unsigned form in others.
    std::string digits = XmlToCp1252(text);
    const size_t first = digits.find_first_not_of(" \t\r\n");
    const size_t last = digits.find_last_not_of(" \t\r\n");
    if (first == std::string::npos) return 0;
    digits = digits.substr(first, last - first + 1);
    const bool negative = digits[0] == '-';
    if (negative || digits[0] == '+') digits.erase(0, 1);
    if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    const uint64_t magnitude = std::stoull(digits);
    if (magnitude > (negative ? 0x80000000ull : 0xFFFFFFFFull)) return 0;
    const uint32_t bits = static_cast<uint32_t>(negative ? 0ull - magnitude : magnitude);
    return bits == 0xFFFFFFFFu ? kNoColour : static_cast<int>(bits & 0xFFFFFFu);
}

void BlankControls(std::string& text)
{
    for (char& c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
}

}  // namespace drawing
