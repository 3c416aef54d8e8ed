// Text between the model (Windows-1252) and the toolkit (UTF-8).
#pragma once

#include "platform/CString.h"

#include <wx/string.h>

namespace wxbackend {

wxString ToWx(const CString& text);
// Line ends as the toolkit shows them ("\r\n" becomes "\n").
wxString ToWxLines(const CString& text);
// False, leaving text alone, when a character has no Windows-1252 byte: such input is refused, never replaced.
bool FromWx(const wxString& text, CString& result);
// The toolkit position (line ends count one) of a model offset (line ends count two), and back.
long ToWxPosition(const CString& text, int offset);
int FromWxPosition(const CString& text, long position);

}  // namespace wxbackend
