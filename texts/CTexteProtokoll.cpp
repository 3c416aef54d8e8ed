// CTexte: the protocol file of the drawing evaluation, a sequence of three-line entries (code, length, text).
#include "texts/CTexte.h"

#include "platform/TextFile.h"

#include <cstdio>

void CTexte::WriteProtokoll(int code, const CString& text) const
{
    if (code == 0) {
        if (std::FILE* file = platform::OpenForWriting(kProtokollDatei, "wb"))
            std::fclose(file);
        return;
    }
    if (code < 1 || code > 7)
        return;
    std::FILE* file = platform::OpenForWriting(kProtokollDatei, "ab");
    if (!file)
        return;
    // The reader takes the text from one line, so a line break inside it would shift every later entry.
    CString line = text;
    line.Replace('\r', ' ');
    line.Replace('\n', ' ');
    std::fprintf(file, "%8d\r\n%8d\r\n", code, line.GetLength());
    std::fwrite(line.GetString(), 1, static_cast<size_t>(line.GetLength()), file);
    std::fputs("\r\n", file);
    std::fclose(file);
}
