// The decoded record of a cooling function (function type 18, "Kühlfunktion"): cools from a reference temperature
// inside a daily time window with switch-on and switch-off differences.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct KuehlfuncParam {
    Bezeichnung designation;       // 0..2; 1 standard designation ("FZ.RAF.")
    BYTE number = 0;               // 3: the function's own number
    DigitalQuelle release;         // 4..6: "RILASCIO RAFFRED."
    BYTE windowStart = 0;          // 7: "TEMPO FINE.:", time of day 0..143
    BYTE windowEnd = 0;            // 8: time of day 0..143
    Quelle referenceTemp;          // 9, 10: "TEMP.REFERENZA"
    Quelle referenceMax;           // 11, 12: "TEMP.MASS.RIF."; kind 0: number = constant deg C ("T.Ref.MASS:")
    BYTE diffOn = 0;               // 13: "DIFF.ON:", difference byte
    BYTE diffOff = 0;              // 14: "DIFF.OFF:", difference byte, below diffOn
    BYTE magnitude = 0;            // 15: "GRANDEZZA:", 0..100
    BYTE coolingOutputs[16] = {};  // 16..31: outputs 1..16 ("RAFFRED."), 1 = yes
    BYTE controlledOutputs[6] = {};  // 32..37: outputs 1, 2, 6, 7, 15, 16 ("GRANDEZZA"), 1 = yes
};
static_assert(offsetof(KuehlfuncParam, release) == 4 && offsetof(KuehlfuncParam, referenceTemp) == 9 &&
              offsetof(KuehlfuncParam, referenceMax) == 11 && offsetof(KuehlfuncParam, diffOn) == 13 &&
              offsetof(KuehlfuncParam, coolingOutputs) == 16 && offsetof(KuehlfuncParam, controlledOutputs) == 32 &&
              sizeof(KuehlfuncParam) == 38,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kKuehlfuncFields[] = {
    Ranged(RECORD_FIELD(KuehlfuncParam, windowStart), Scale::TimeOfDay, 0, 143, 42).At(at::Byte(2)),
    Ranged(RECORD_FIELD(KuehlfuncParam, windowEnd), Scale::TimeOfDay, 0, 143, 48).At(at::Byte(3)),
    ByHand(RECORD_FIELD(KuehlfuncParam, referenceMax.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(KuehlfuncParam, diffOn), Scale::Difference, 129, 127, 129).At(at::Byte(0)),
    ByHand(RECORD_FIELD(KuehlfuncParam, diffOff), Scale::Difference, 128, 126, 128).At(at::Byte(1)),
    Ranged(RECORD_FIELD(KuehlfuncParam, magnitude), Scale::Plain, 0, 100, 30).At(at::Byte(4)),
    Flag(RECORD_FIELD(KuehlfuncParam, coolingOutputs[0])).Each(16, 1).At(at::Flags(5)),
    Flag(RECORD_FIELD(KuehlfuncParam, controlledOutputs[0])).Each(6, 1).At(at::Flags(7)),
};

}  // namespace record
