// The decoded transmission conditions of the network outputs, 15 bytes stored one to one at area 0 address 6720.
#pragma once

#include "platform/Types.h"

struct Sendebedingungen {
    // Analog outputs in four groups of four (1..4, 5..8, 9..12, 13..16).
    struct AnalogGruppe {
        BYTE threshold = 0;  // change that triggers sending, 10..250
        BYTE interval = 0;   // send interval in minutes, 1..60
        BYTE blocking = 0;   // blocking time in seconds, 1..120
    };

    BYTE onChange = 0;   // digital outputs: send on change ("Presso Mod."), 1 = yes
    BYTE interval = 0;   // digital outputs: send interval in minutes ("Tpo Interv.:"), 1..60
    BYTE blocking = 0;   // digital outputs: blocking time in seconds ("Tpo Blocc.:"), 1..120
    AnalogGruppe analog[4] = {};
};
static_assert(sizeof(Sendebedingungen) == 15, "stored one to one");
