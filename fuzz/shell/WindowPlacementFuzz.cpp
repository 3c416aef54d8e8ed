// Fuzzes the reader of WINDOW.ini: whatever the file holds, the frame is shown in a state it writes itself and at a
// size it can be seen at.
#include "shell/WindowPlacementFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/morv-fuzz-window-" + std::to_string(getpid()) + ".ini";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    bool hasPosition = false;
    const WindowPlacement shown = WindowPlacementFile(path.c_str()).ForShowing(hasPosition);
    if (!WindowPlacementFile::IsStorableShowState(shown.showState))
        std::abort();
    if (shown.width < WindowPlacementFile::kMinimumWidth || shown.height < WindowPlacementFile::kMinimumHeight)
        std::abort();
    return 0;
}
