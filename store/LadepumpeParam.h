// The decoded record of a charge pump (function type 4, "Ladepumpe"): loads a store from a heat source while the
// source lies above a minimum, the store below a maximum and the source above the store.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct LadepumpeParam {
    Bezeichnung designation;    // 0..2; 1 standard designation ("POMPA CA.")
    BYTE number = 0;            // 3: the function's own number
    DigitalQuelle release;      // 4..6: "RILASCIO POMPA"
    Quelle sourceTemp;          // 7, 8: "TRASCORSATEMP."
    BYTE minDiffOn = 0;         // 9: source above its minimum, "DIFF.ON:", signed difference byte
    BYTE minDiffOff = 0;        // 10: "DIFF.OFF:", below minDiffOn
    Quelle sourceMin;           // 11, 12: "TEMP.MIN.TRASC."; kind 0: number = fixed minimum deg C
    Quelle referenceTemp;       // 13, 14: "TEMP.REFERENZA"
    BYTE maxDiffOn = 0;         // 15: reference below its maximum, "DIFF.ON:"
    BYTE maxDiffOff = 0;        // 16: "DIFF.OFF:", above maxDiffOn
    Quelle referenceMax;        // 17, 18: "TEMP.MASS.RIF."; kind 0: number = fixed maximum deg C
    BYTE sourceDiffOn = 0;      // 19: source warmer than reference ("DIFF. TRASC-REF:"), "DIFF.ON:"
    BYTE sourceDiffOff = 0;     // 20: "DIFF.OFF:", below sourceDiffOn
    BYTE outputs[16] = {};      // 21..36: outputs 1..16 that the pump ("POMPA") drives, 1 = yes
};
static_assert(offsetof(LadepumpeParam, release) == 4 && offsetof(LadepumpeParam, sourceTemp) == 7 &&
              offsetof(LadepumpeParam, sourceMin) == 11 && offsetof(LadepumpeParam, referenceTemp) == 13 &&
              offsetof(LadepumpeParam, referenceMax) == 17 && offsetof(LadepumpeParam, outputs) == 21 &&
              sizeof(LadepumpeParam) == 37,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kLadepumpeFields[] = {
    // Source above its minimum and above the reference: the switch-off difference lies below the switch-on one;
    // the reference below its maximum: above it.
    ByHand(RECORD_FIELD(LadepumpeParam, minDiffOn), Scale::Difference, 129, 127, 129).At(at::Byte(0)),
    ByHand(RECORD_FIELD(LadepumpeParam, minDiffOff), Scale::Difference, 128, 126, 128).At(at::Byte(1)),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceMin.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(LadepumpeParam, maxDiffOn), Scale::Difference, 128, 126, 126).At(at::Byte(2)),
    ByHand(RECORD_FIELD(LadepumpeParam, maxDiffOff), Scale::Difference, 129, 127, 127).At(at::Byte(3)),
    ByHand(RECORD_FIELD(LadepumpeParam, referenceMax.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceDiffOn), Scale::Difference, 129, 127, 129).At(at::Byte(4)),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceDiffOff), Scale::Difference, 128, 126, 128).At(at::Byte(5)),
    Flag(RECORD_FIELD(LadepumpeParam, outputs[0])).Each(16, 1).At(at::Flags(6)),
};

}  // namespace record
