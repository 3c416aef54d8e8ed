// Conversion of the parser's UTF-16 texts: to single-byte Windows-1252 text, and to unsigned numbers.
#pragma once

#include <xercesc/util/XercesDefs.hpp>

#include <string>

namespace drawing {

// The text in Windows-1252, the code page of every text the program keeps: each character the code page holds
// becomes its byte (the characters of 0x80 to 0x9F too: the euro sign, typographic quotes, dashes, ...), every
// other character one question mark (a character outside the 16-bit range, or a lone surrogate, counts as one).
// Needs no parser library.
std::string XmlToCp1252(const XMLCh* text, size_t length);
std::string XmlToCp1252(const XMLCh* text);

// The unsigned decimal number of the text (blanks around it allowed) as a signed 32-bit value; 0, and *clean false,
// when the text is no such number or the number is above the signed 32-bit range.
int XmlToUInt(const XMLCh* text, bool* clean = nullptr);

// A colour value of the drawing: its text read as a decimal number written signed or unsigned; a value whose 32 bits
// are all ones (-1 or 4294967295) is kNoColour, any other keeps its three colour bytes (red in the low byte). A text
// that is no number gives 0 (black).
constexpr int kNoColour = -1;
int XmlToColour(const XMLCh* text);

// Blanks every control character (below 0x20, and 0x7F), so a stored text can never break a line of the exchange
// files.
void BlankControls(std::string& text);

}  // namespace drawing
