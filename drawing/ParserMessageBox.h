// The one place through which the XML import shows its warning boxes.
#pragma once

#include "platform/Types.h"

namespace drawing {

// Shows a message box with the given caption, text and MB_* flags, owned by the active window (the evaluation
// dialog while it runs), and returns the button pressed.
int ShowParserMessage(const char* caption, const char* text, UINT flags);

}  // namespace drawing
