// One decoded network input: which controller sends it over which line, and which of its network outputs it is.
// Two lists of 16 hold network inputs 1..16 (digital) and 17..32 (analog).
#pragma once

#include "platform/Types.h"

struct NetzEingang {
    BYTE transport = 0;  // 1 data line ("DL"), 0 CAN bus ("CAN")
    BYTE node = 0;       // node number of the sending controller 1..62; 0 = input not used ("non usato")
    BYTE output = 0;     // the sender's network output number 1..16
};
static_assert(sizeof(NetzEingang) == 3);
