// The decoded anti-seize settings, shared by all outputs: on which weekdays, at which time and for which outputs the
// controller runs its outputs briefly so that pumps and valves do not seize. Stored in 4 bytes of area 0.
#pragma once

#include "platform/Types.h"

struct AntiblockierschutzParam {
    BYTE weekdays[7] = {};  // Monday .. Sunday, 1 = on
    BYTE time = 0;          // time of day in 10-minute steps, 0..143
    BYTE outputs[16] = {};  // outputs 1..16, 1 = takes part
};
static_assert(sizeof(AntiblockierschutzParam) == 24, "every field is one byte, as the codec table decodes it");
