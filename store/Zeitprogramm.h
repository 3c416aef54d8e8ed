// One weekly time program of a heating-circuit controller, hot-water request, circulation or time switch: the days
// it applies on and three daily windows with a setpoint each.
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"

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

// Field tables of a time window and of a program's days (see FieldInfo.h). The block's control fields stand in the
// tables of the records that carry a block, through TIME_PROGRAM_CONTROL_FIELDS; the block's stored places are
// those of RecordCodec.h.
namespace record {

inline constexpr FieldInfo kZeitfensterFields[] = {
    Ranged(RECORD_FIELD(Zeitfenster, start), Scale::TimeOfDay, 0, 143, 0),
    Ranged(RECORD_FIELD(Zeitfenster, end), Scale::TimeOfDay, 0, 143, 0),
    Ranged(RECORD_FIELD(Zeitfenster, setpoint), Scale::Temperature, 0, 90, 20),
};

inline constexpr FieldInfo kZeitprogrammFields[] = {
    Flag(RECORD_FIELD(Zeitprogramm, days[0])).Each(7, 1),
};

}  // namespace record

// The control fields of the time-program block; CParaCheck::CheckZeitprogramm repairs them.
#define TIME_PROGRAM_CONTROL_FIELDS(Record, smallestProgramCount)                                                   \
    ByHand(RECORD_FIELD(Record, windowsPerProgram), Scale::Plain, 1, 3, 2),                                         \
        ByHand(RECORD_FIELD(Record, programsInUse), Scale::Plain, smallestProgramCount, kZeitprogramme,             \
               smallestProgramCount),                                                                               \
        Flag(RECORD_FIELD(Record, windowSetpoints))
