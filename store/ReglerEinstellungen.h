// The decoded controller settings: display, automatic switches, customer locks and the expert code. Stored in the
// first 64 bytes of area 0.
#pragma once

#include "platform/Types.h"

struct ReglerEinstellungen {
    BYTE formatMark = 0;      // 0: always written as 3
    BYTE contrast = 0;        // 1: "Contrasto:" 30..50
    BYTE autoFuncView = 0;    // 2: automatic switch to the function overview, 1 = on
    BYTE brightness = 0;      // 3: "Luminosita:" 0..10
    BYTE lightOff = 0;        // 4: light off after k·10 s, k = 1..15; 0 = never
    BYTE expertCode[4] = {};  // 5..8: ones, tens, hundreds, thousands digit of the expert code
    BYTE autoSummerTime = 0;  // 9: automatic summer and winter time, 1 = on
    BYTE lockParameters = 0;  // 10: customer lock of the parameters, 1 = locked
    BYTE lockOutputs = 0;     // 11: customer lock of the outputs
    BYTE lockMenu = 0;        // 12: customer lock of the menu
};
static_assert(sizeof(ReglerEinstellungen) == 13, "every field is one byte, as the codec table decodes it");
