// Conversion between Windows-1252 bytes and UTF-8, used only at the edges (terminal, window backend).
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes are taken as Windows-1252 bytes.
std::string Utf8ToCp1252(std::string_view text);
// False, with out unspecified, when the text holds a character Windows-1252 cannot hold or is not UTF-8.
bool Utf8ToCp1252Exact(std::string_view text, std::string& out);
// The Windows-1252 byte of a Unicode code point, or -1 when the code page has none.
int CodePointToCp1252(char32_t c);

}  // namespace platform
