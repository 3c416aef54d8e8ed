// The decoded potentiostat record (120 bytes of area 0 at 128): only its release flag is a setting; the rest of
// the record is a fixed image that every write restores.
#pragma once

#include "platform/Types.h"

struct PotentiostatParam {
    BYTE release = 0;  // 1 = on
    // Not read from the image: a read sets them to 0 and a write ignores them.
    BYTE reserved1 = 0;
    BYTE reserved2 = 0;
    BYTE reserved3 = 0;
    BYTE reserved4 = 0;
    WORD reserved5 = 0;
    BYTE reserved6 = 0;
    WORD reserved7 = 0;
};
