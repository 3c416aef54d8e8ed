// A digital input of a function or message record as decoded: the source kind, whether it is inverted, and the
// source number (with kind 0, the user's fixed value instead).
#pragma once

#include "platform/Types.h"

// Stored in two bytes: the kind in bits 0 to 6 and the inverted flag in bit 7 of the first, the number in the
// second. Decoded records hold the three bytes in this order, so a record's bytes may be viewed as one.
struct DigitalQuelle {
    BYTE kind = 0;      // source kind (Quelle); 0 no source: the number is then the fixed value
    BYTE inverted = 0;  // 1 the source is read inverted; only bit 0 is stored
    BYTE number = 0;    // source number, or with kind 0 the fixed value 0 off, 1 on
};
static_assert(sizeof(DigitalQuelle) == 3);
