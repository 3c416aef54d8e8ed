// Fuzzes the reader of the drawing tool's command file: any bytes, any line ends, any lengths.
#include "shell/CommandFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/morv-fuzz-cmdfile-" + std::to_string(getpid()) + ".txt";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    StartContext values;
    if (!ReadCommandFile(path.c_str(), values))
        std::abort();
    // The folder is always a prefix of the export path, and no value keeps a line end.
    if (values.xmlPath.Left(values.xmlDir.GetLength()) != values.xmlDir)
        std::abort();
    for (const CString* value : {&values.cmd, &values.engPath, &values.xmlPath, &values.name})
        if (value->Find('\n') >= 0)
            std::abort();
    return 0;
}
