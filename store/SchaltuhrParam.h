// The decoded record of a time switch (function type 15, "Schaltuhr"): up to five weekly time programs whose active
// windows drive an output list, with a blocking input that can hold the switch off.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Zeitprogramm.h"

#include <cstddef>

struct SchaltuhrParam {
    Bezeichnung designation;                // 0..2; 1 standard designation
    BYTE number = 0;                        // 3: the function's own number
    DigitalQuelle release;                  // 4..6: "RILASCIO TEMPORIZ."
    BYTE windowsPerProgram = 0;             // 7: time windows per program 1..3
    BYTE programsInUse = 0;                 // 8: time programs in use 1..5
    BYTE windowSetpoints = 0;               // 9: 1 the windows carry a setpoint; nominalValue counts only then
    BYTE nominalValue = 0;                  // 10: "Val.Nom.Cond.Tpo e esaudito", deg C 0..99
    BYTE blockMinTime = 0;                  // 11: "Tempo Min Cond.Bloc.", time byte 0..202
    BYTE blockMinDays = 0;                  // 12: its days 0..31
    BYTE blockTime = 0;                     // 13: "Tempo Blocco", time byte 0..202
    BYTE blockDays = 0;                     // 14: its days 0..31
    DigitalQuelle blocking;                 // 15..17: "BLOCAGGIO"; fields 11..14 count only when it has a source
    BYTE outputs[16] = {};                  // 18..33: "COND.TPO.RISPET." drives output n + 1
    Zeitprogramm programs[kZeitprogramme];  // 34..113
};
static_assert(offsetof(SchaltuhrParam, windowsPerProgram) == 7 && offsetof(SchaltuhrParam, blocking) == 15 &&
              offsetof(SchaltuhrParam, outputs) == 18 && offsetof(SchaltuhrParam, programs) == 34 &&
              sizeof(SchaltuhrParam) == 114,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). Stored byte 0 and bytes 64..113 are the time-program block.
inline constexpr FieldInfo kSchaltuhrFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(SchaltuhrParam, 1),
    Ranged(RECORD_FIELD(SchaltuhrParam, nominalValue), Scale::Temperature, 0, 99, 5).At(at::Byte(5)),
    // The blocking times count only with a blocking source.
    ByHand(RECORD_FIELD(SchaltuhrParam, blockMinTime), Scale::Duration, 0, 202, 0).At(at::Byte(8)),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockMinDays), Scale::Plain, 0, 31, 0).At(at::Byte(9)),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockTime), Scale::Duration, 0, 202, 0).At(at::Byte(10)),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockDays), Scale::Plain, 0, 31, 0).At(at::Byte(11)),
};

}  // namespace record
