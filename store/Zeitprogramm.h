// One weekly time program of a heating-circuit controller, hot-water request, circulation or time switch: the days
// it applies on and three daily windows with a setpoint each.
#pragma once

#include "platform/Types.h"

struct Zeitfenster {
    BYTE start = 0;     // time of day in 10-minute steps, 0..143 (00:00 .. 23:50)
    BYTE end = 0;       // same; a window may end before it starts
    BYTE setpoint = 0;  // whole degrees Celsius, 0..90; counts only when the windows carry a setpoint
};

struct Zeitprogramm {
    BYTE days[7] = {};        // Monday .. Sunday, 1 = the program applies on that day
    Zeitfenster windows[3];   // windows 1 to 3
};
// Decoded records hold the 16 bytes of each program in this order.
static_assert(sizeof(Zeitfenster) == 3 && sizeof(Zeitprogramm) == 16);

// Five programs end the decoded records that have time programs.
constexpr int kZeitprogramme = 5;
