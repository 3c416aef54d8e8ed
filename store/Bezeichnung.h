// A decoded designation: standard name of the function type or user-defined name, with an index digit.
#pragma once

#include "platform/Types.h"

struct Bezeichnung {
    BYTE group = 0;  // 0 a standard name of the function type (or none), 1 a user-defined name
    BYTE index = 0;  // group 0: standard name 1 to k, 0 none; group 1: user-defined name 0 to 15
    BYTE digit = 0;  // 0 to 9; 0 shows no digit
};
// Decoded function records hold these three bytes at their start, so a record's bytes may be viewed as one.
static_assert(sizeof(Bezeichnung) == 3);
