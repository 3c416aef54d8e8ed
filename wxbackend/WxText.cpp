// Conversion of texts and text positions between the model and the toolkit.
#include "wxbackend/WxText.h"

#include "platform/Cp1252.h"

namespace wxbackend {

wxString ToWx(const CString& text)
{
    return wxString::FromUTF8(platform::Cp1252ToUtf8(text.str()));
}

wxString ToWxLines(const CString& text)
{
    wxString s = ToWx(text);
    s.Replace("\r\n", "\n");
    return s;
}

bool FromWx(const wxString& text, CString& result)
{
    std::string utf8(text.utf8_str());
    std::string bytes = platform::Utf8ToCp1252(utf8);
    // A character without a byte comes back as '?': the round trip tells it from a real question mark.
    if (platform::Cp1252ToUtf8(bytes) != utf8)
        return false;
    result = CString(bytes.c_str(), static_cast<int>(bytes.size()));
    return true;
}

long ToWxPosition(const CString& text, int offset)
{
    long position = 0;
    for (int i = 0; i < offset && i < text.GetLength(); ++i) {
        if (text[i] == '\r' && i + 1 < text.GetLength() && text[i + 1] == '\n')
            continue;
        ++position;
    }
    return position;
}

int FromWxPosition(const CString& text, long position)
{
    int offset = 0;
    for (long seen = 0; offset < text.GetLength() && seen < position; ++offset) {
        if (text[offset] == '\r' && offset + 1 < text.GetLength() && text[offset + 1] == '\n')
            continue;
        ++seen;
    }
    return offset;
}

}  // namespace wxbackend
