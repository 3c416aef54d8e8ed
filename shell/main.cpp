// Entry point of morv9274: started by the drawing tool as "morv9274 -cmdfile <path>".
#include "platform/CString.h"
#include "platform/Win32File.h"

#include <cstdio>

int main(int argc, char** argv)
{
    CString cmdFile;
    for (int i = 1; i + 1 < argc; ++i) {
        if (CString(argv[i]) == "-cmdfile")
            cmdFile = argv[i + 1];
    }
    std::fprintf(stderr, "morv9274: program directory %s, command file %s\n",
                 static_cast<LPCTSTR>(platform::ProgramDirectory()),
                 cmdFile.IsEmpty() ? "(none)" : static_cast<LPCTSTR>(cmdFile));
    return 0;
}
