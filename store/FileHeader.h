// The header of a memory-image file as read back.
#pragma once

#include "platform/CString.h"

struct FileHeader {
    CString magic;             // line 1, e.g. "KAVELMOR_STEUERKONTORE_PARA_FILE"
    float version = 0;         // line 4: tool version (parameter file) or controller version (function-data file)
    float formatVersion = 0;   // line 5: file-format version
};
