// Fuzzes the reader of welcome-screen template files: whatever the file holds, it is taken only when a template can
// be that long, and then gives four lines a controller's display can show (22 characters, no line end).
#include "fuzz/store/FuzzFolder.h"

#include "production/CBegruessungDlg.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = (EnterFuzzFolder("welcome"), true);
    (void)ready;
    std::FILE* f = std::fopen("template.bgs", "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CString lines[4] = {"kept", "kept", "kept", "kept"};
    const bool read = CBegruessungDlg::ReadTemplate("template.bgs", lines);
    if (read != (size <= 88))
        std::abort();
    for (const CString& line : lines) {
        if (line.GetLength() > 22 || line.Find('\n') >= 0)
            std::abort();
        if (!read && line != "kept")
            std::abort();
    }
    return 0;
}
