// Text and number conversion of the parser's UTF-16 character data.
#include "drawing/XmlText.h"

#include <xercesc/util/XMLString.hpp>

namespace drawing {

XmlText::XmlText()
    : m_formatter(std::make_unique<xercesc::XMLFormatter>("LATIN1", &m_target, xercesc::XMLFormatter::NoEscapes,
                                                          xercesc::XMLFormatter::UnRep_Replace))
{
}

XmlText::~XmlText() = default;

std::string XmlText::ToString(const XMLCh* text, size_t length)
{
    m_target.out.clear();
    if (text && length > 0)
        m_formatter->formatBuf(text, length, xercesc::XMLFormatter::NoEscapes, xercesc::XMLFormatter::UnRep_Replace);
    // The formatter puts SUB where Latin-1 has no character; a question mark shows the gap in the drawing's texts.
    for (char& c : m_target.out)
        if (c == '\x1A') c = '?';
    return m_target.out;
}

std::string XmlText::ToString(const XMLCh* text)
{
    return ToString(text, text ? xercesc::XMLString::stringLen(text) : 0);
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

void BlankControls(std::string& text)
{
    for (char& c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
}

}  // namespace drawing
