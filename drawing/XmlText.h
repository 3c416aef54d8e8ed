// Conversion of the parser's UTF-16 texts: to single-byte text through the parser's Latin-1 formatter, and to
// unsigned numbers.
#pragma once

#include <xercesc/framework/XMLFormatter.hpp>
#include <xercesc/util/XercesDefs.hpp>

#include <memory>
#include <string>

namespace drawing {

// Converts texts with the parser's own "LATIN1" formatter, never through the process locale. A character that
// Latin-1 cannot represent becomes a question mark. Needs an initialised parser library for
// its whole lifetime.
class XmlText {
public:
    XmlText();
    ~XmlText();
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;

    std::string ToString(const XMLCh* text, size_t length);
    std::string ToString(const XMLCh* text);

private:
    class Target : public xercesc::XMLFormatTarget {
    public:
        void writeChars(const XMLByte* const bytes, const XMLSize_t count, xercesc::XMLFormatter* const) override
        {
            out.append(reinterpret_cast<const char*>(bytes), count);
        }
        std::string out;
    };
    Target m_target;
    std::unique_ptr<xercesc::XMLFormatter> m_formatter;
};

// The unsigned decimal number of the text (blanks around it allowed) as a signed 32-bit value; 0, and *clean false,
// when the text is no such number or the number is above the signed 32-bit range.
int XmlToUInt(const XMLCh* text, bool* clean = nullptr);

// Blanks every control character (below 0x20, and 0x7F), so a stored text can never break a line of the exchange
// files.
void BlankControls(std::string& text);

}  // namespace drawing
