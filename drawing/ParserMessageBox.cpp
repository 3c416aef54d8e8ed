// The XML import's warning boxes, written to standard error until the window model's message box is wired in.
#include "drawing/ParserMessageBox.h"

#include <cstdio>

namespace drawing {

int ShowParserMessage(const char* caption, const char* text, UINT flags)
{
    std::fprintf(stderr, "%s\t%u\t%s\n", caption ? caption : "", flags, text ? text : "");
    std::fflush(stderr);
    return IDOK;
}

}  // namespace drawing
