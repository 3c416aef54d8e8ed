// The options of the documentation export, kept in the parameter file's text area.
#pragma once

#include "platform/Types.h"

struct ExportFilter {
    // 0..4 sections inputs, outputs, functions, messages, network; 5..9 their filters of entries not in use;
    // 10 function overview; 11 CAN data logging; 12..15 spare. A flag counts as set only when it is exactly 1.
    BYTE flags[16] = {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1};
    BYTE format = 1;  // layout of the text file (2 = fields separated by ";")
};
