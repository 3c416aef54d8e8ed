// The one place through which the XML import shows its warning boxes.
#pragma once

#include "platform/Types.h"

namespace drawing {

// Shows a message box with the given caption, text and MB_* flags and returns the button pressed (IDOK).
// Until the window model's MessageBoxA is wired in here, it writes "caption\tflags\ttext" and a line feed to
// standard error (flags as a decimal number) and answers IDOK.
int ShowParserMessage(const char* caption, const char* text, UINT flags);

}  // namespace drawing
