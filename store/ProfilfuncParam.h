// The decoded record of a profile function (function type 22, "Profilfunktion"): up to 64 step values in one unit,
// stepped by a clock, started, stopped and reset by digital inputs.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/Einheit.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct ProfilfuncParam {
    Bezeichnung designation;  // 0..2; 3 standard designations
    BYTE number = 0;          // 3: the function's own number
    DigitalQuelle release;    // 4..6: "RILASCIO PROFILO"
    BYTE stepCount = 0;       // 7: steps in use 2..64
    BYTE unit = 0;            // 8: "GR.FUNZ.", Einheit 0..7 (7 bits stored)
    BYTE repeat = 0;          // 9: "ciciclo" 1 the profile repeats
    DigitalQuelle start;      // 10..12: "START PROFILO"
    DigitalQuelle stop;       // 13..15: "STOP PROFILO"
    DigitalQuelle clock;      // 16..18: "TATTO PROFILO"; with kind 0 the number is the internal clock time
                              // ("Tatto Int"), a time byte 1..251
    DigitalQuelle reset;      // 19..21: "RESET PROFILO"
    Quelle offValue;          // 22, 23: "VAL.TEOR.(RIL.=off)"; with kind 0 the number is the fixed value in the unit
    BYTE outputs[16] = {};    // 24..39: "PROFILO ATTIVO" drives output n + 1
    BYTE steps[64] = {};      // 40..103: "Grado" values in the unit; 0 the step is off
};
static_assert(offsetof(ProfilfuncParam, start) == 10 && offsetof(ProfilfuncParam, clock) == 16 &&
              offsetof(ProfilfuncParam, offValue) == 22 && offsetof(ProfilfuncParam, outputs) == 24 &&
              offsetof(ProfilfuncParam, steps) == 40 && sizeof(ProfilfuncParam) == 104,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). The steps follow the unit and have no row: their rules stay with the repair.
inline constexpr FieldInfo kProfilFields[] = {
    Ranged(RECORD_FIELD(ProfilfuncParam, stepCount), Scale::Plain, 2, 64, 2).At(at::Byte(0)),
    Listed(RECORD_FIELD(ProfilfuncParam, unit), std::span(kEinheitCodes).first(8), kEinheitTemperatur, Repair::Range)
        .At(at::Bits(1, 0, 7)),
    Flag(RECORD_FIELD(ProfilfuncParam, repeat)).At(at::Bit(1, 7)),
    // The internal clock time counts only without a clock source.
    ByHand(RECORD_FIELD(ProfilfuncParam, clock.number), Scale::Duration, 1, 251, 1),
};

}  // namespace record
