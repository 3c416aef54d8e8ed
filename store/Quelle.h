// A variable source reference: which plant input, output, function output variable, message, network input or
// status a record takes a value from. Stored as two bytes, kind then number.
#pragma once

#include "platform/Types.h"

struct Quelle {
    BYTE kind = 0;
    BYTE number = 0;
};

inline bool operator==(const Quelle& a, const Quelle& b) { return a.kind == b.kind && a.number == b.number; }
