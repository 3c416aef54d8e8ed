// The XML import's warning boxes go through the program's message boxes.
#include "drawing/ParserMessageBox.h"

#include "platform/Prompts.h"
#include "platform/Win32Window.h"

namespace drawing {

int ShowParserMessage(const char* caption, const char* text, UINT flags)
{
    return MessageBoxA(GetActiveWindow(), text, caption, flags);
}

}  // namespace drawing
