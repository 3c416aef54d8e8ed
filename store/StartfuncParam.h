// The decoded record of a start function (function type 16, "Startfunktion"): starts up to 10 solar controls from
// a radiation or temperature condition inside a daily time window.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct StartfuncParam {
    Bezeichnung designation;      // 0..2; 1 standard designation ("START SOL")
    BYTE number = 0;              // 3: the function's own number
    DigitalQuelle release;        // 4..6: "RILASCIO FUNZ.START"
    BYTE solarCount = 0;          // 7: "utiliz. FUNZION:", 1..10
    BYTE runTime = 0;             // 8: "Decorrenza:", seconds, 0..240
    BYTE interval = 0;            // 9: "Intervallo:", minutes, 0..120
    BYTE windowStart = 0;         // 10: "Tempo Attivazione:", time of day 0..143
    BYTE windowEnd = 0;           // 11: time of day 0..143
    BYTE activation = 0;          // 12: with a radiation sensor 10 W/m2 ("Irrad.Att:"), 0..90; without, a plain
                                  // number ("Grado Att.:"), 0..99
    Quelle radiation;             // 13, 14: "IRRAD.SOL."; kind 0 none
    Quelle relativeTemp;          // 15, 16: "TEMP.RELAT."
    BYTE flushOutputs[16] = {};   // 17..32: outputs 1..16 of the flushing ("LAVAGGIO"), 1 = yes
    BYTE solarControls[10] = {};  // 33..42: function number + 1 of a solar control; 0 none
};
static_assert(offsetof(StartfuncParam, release) == 4 && offsetof(StartfuncParam, activation) == 12 &&
              offsetof(StartfuncParam, radiation) == 13 && offsetof(StartfuncParam, relativeTemp) == 15 &&
              offsetof(StartfuncParam, flushOutputs) == 17 && offsetof(StartfuncParam, solarControls) == 33 &&
              sizeof(StartfuncParam) == 43,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kStartfuncFields[] = {
    Ranged(RECORD_FIELD(StartfuncParam, solarCount), Scale::Plain, 1, 10, 2).At(at::Byte(0)),
    Ranged(RECORD_FIELD(StartfuncParam, runTime), Scale::Plain, 0, 240, 5).At(at::Byte(1)),
    Ranged(RECORD_FIELD(StartfuncParam, interval), Scale::Plain, 0, 120, 10).At(at::Byte(2)),
    Ranged(RECORD_FIELD(StartfuncParam, windowStart), Scale::TimeOfDay, 0, 143, 42).At(at::Byte(3)),
    Ranged(RECORD_FIELD(StartfuncParam, windowEnd), Scale::TimeOfDay, 0, 143, 48).At(at::Byte(4)),
    // 0..90 (10 W/m2) with a radiation sensor, 0..99 without.
    ByHand(RECORD_FIELD(StartfuncParam, activation), Scale::Plain, 0, 99, 20).At(at::Byte(5)),
    Flag(RECORD_FIELD(StartfuncParam, flushOutputs[0])).Each(16, 1).At(at::Flags(6)),
    // Function number + 1 of a solar control of the same file, else 0.
    ByHand(RECORD_FIELD(StartfuncParam, solarControls[0]), Scale::Plain, 0, 45, 0).Each(10, 1).At(at::Bytes(64)),
};

}  // namespace record
