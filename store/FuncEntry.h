// The decoded function-table entry of a function slot.
#pragma once

#include "platform/Types.h"

struct FuncEntry {
    int type = 0;             // function type code 1 to 23; 0 (or 255) an empty slot
    BYTE designation = 0xFF;  // designation code; FF none chosen yet
    BYTE number = 0xFF;       // the function's own number 0 to 43; FF none
};
