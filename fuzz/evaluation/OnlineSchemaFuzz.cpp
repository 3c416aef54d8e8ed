// Fuzzes the reader of the online-schema exchange file "Online.tmp" and the page built from what it read: every
// record read takes its lines of the file, and the page holds no more positions than placeholders were read.
#include "evaluation/COnlineSchema.h"
#include "evaluation/COnlineSchemaHtml.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/morv-fuzz-online-" + std::to_string(getpid()) + ".tmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    COnlineSchema schema;
    schema.ReadFile(path.c_str());
    size_t lines = 1;
    for (size_t i = 0; i < size; ++i)
        lines += data[i] == '\n';
    // A frame takes nine lines, a placeholder ten.
    if (static_cast<size_t>(schema.m_Rahmen.GetCount()) * 9 +
            static_cast<size_t>(schema.m_Platzhalter.GetCount()) * 10 >
        lines)
        std::abort();
    COnlineSchemaHtml page;
    if (!page.Build(schema))
        return 0;
    if (page.m_Positionen.GetCount() > schema.m_Platzhalter.GetCount())
        std::abort();
    // The page declares UTF-8 and holds every other byte as a character reference: its texts are plain ASCII.
    for (int i = 0; i < page.m_Positionen.GetCount(); ++i)
        for (const char c : page.m_Positionen.GetAt(i)->text.str())
            if (static_cast<unsigned char>(c) >= 0x80)
                std::abort();
    return 0;
}
