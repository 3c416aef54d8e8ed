// Fuzz target: arbitrary bytes as the evaluation's protocol file, read entry by entry as the protocol form reads it.
#include "evaluation/CProtokoll.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    CString text;
    int code = 0;
    size_t entries = 0;
    // Every entry takes three lines, so there can never be more entries than line ends; and no text is longer
    // than the file with the longest prefix.
    while (CProtokoll::ReadEntry(file, text, code)) {
        ++entries;
        if (static_cast<size_t>(text.GetLength()) > size + 20 || entries > size / 3 + 1)
            std::abort();
    }
    std::fclose(file);
    return 0;
}
