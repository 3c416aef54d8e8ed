// The decoded record of a circulation (function type 5, "Zirkulation"): runs the hot-water circulation pump by time
// programs, by tapping pulses, or both, around a setpoint for the return temperature.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"
#include "store/Zeitprogramm.h"

#include <cstddef>

// "MODO:".
enum ZirkulationModus : BYTE { kZirkulationZeit = 0, kZirkulationPulse = 1, kZirkulationZeitPulse = 2 };
static_assert(kZirkulationZeit == 0 && kZirkulationPulse == 1 && kZirkulationZeitPulse == 2, "stored in the slot");

struct ZirkulationParam {
    Bezeichnung designation;       // 0..2; 3 standard designations ("CIRCOLAZ.", "AC.PRONT.", "AZION.AC.")
    BYTE number = 0;               // 3: the function's own number
    DigitalQuelle release;         // 4..6: "RILASCIO CIRC."
    BYTE windowsPerProgram = 0;    // 7: time windows used in each program, 1..3
    BYTE programsInUse = 0;        // 8: time programs in use, 0..5
    BYTE windowSetpoints = 0;      // 9: 1 the windows carry the circulation setpoint
    BYTE mode = 0;                 // 10: ZirkulationModus
    BYTE diffOn = 0;               // 11: return temperature "DIFF.ON:", signed difference byte
    BYTE diffOff = 0;              // 12: "DIFF.OFF:", above diffOn
    BYTE tapRise = 0;              // 13: "dDIFF-on:", tenths of a kelvin, 0..100
    BYTE runTime = 0;              // 14: "Decorrenza:", time byte 0..127
    BYTE pause = 0;                // 15: "Tpo Pausa:", minutes, 0..120
    BYTE mixingDiff = 0;           // 16: "DIFF.MISC.:", signed difference byte
    BYTE mixingStoreMin = 0;       // 17: "T.Acc.MIN.:", deg C, 0..99
    Quelle returnTemp;             // 18, 19: "TEMP.RITORNO"
    Quelle hotWaterTemp;           // 20, 21: "TEMP AC.CALDA"; needed for the pulse modes
    Quelle setpoint;               // 22, 23: "TEMP.TEOR.CIRC."; kind 0: number = fixed setpoint deg C
    Quelle storeTemp;              // 24, 25: "TEMP.ACCUM."; kind 0: no mixing protection
    BYTE outputs[16] = {};         // 26..41: outputs 1..16 that the circulation pump drives, 1 = yes
    Zeitprogramm programs[kZeitprogramme];  // 42..121
};
static_assert(offsetof(ZirkulationParam, release) == 4 && offsetof(ZirkulationParam, mode) == 10 &&
              offsetof(ZirkulationParam, returnTemp) == 18 && offsetof(ZirkulationParam, hotWaterTemp) == 20 &&
              offsetof(ZirkulationParam, setpoint) == 22 && offsetof(ZirkulationParam, storeTemp) == 24 &&
              offsetof(ZirkulationParam, outputs) == 26 && offsetof(ZirkulationParam, programs) == 42 &&
              sizeof(ZirkulationParam) == 122,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kZirkulationModusCodes[] = {kZirkulationZeit, kZirkulationPulse, kZirkulationZeitPulse};

// Field table (see FieldInfo.h). Stored byte 0 and bytes 64..113 are the time-program block.
inline constexpr FieldInfo kZirkulationFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(ZirkulationParam, 0),
    // The pulse modes also need the hot-water temperature.
    Listed(RECORD_FIELD(ZirkulationParam, mode), kZirkulationModusCodes, kZirkulationZeit, Repair::Range)
        .At(at::Byte(1)),
    ByHand(RECORD_FIELD(ZirkulationParam, diffOn), Scale::Difference, 128, 126, 126).At(at::Byte(2)),
    ByHand(RECORD_FIELD(ZirkulationParam, diffOff), Scale::Difference, 129, 127, 127).At(at::Byte(3)),
    Ranged(RECORD_FIELD(ZirkulationParam, tapRise), Scale::Tenths, 0, 100, 80).At(at::Byte(4)),
    Ranged(RECORD_FIELD(ZirkulationParam, runTime), Scale::Duration, 0, 127, 0).At(at::Byte(5)),
    Ranged(RECORD_FIELD(ZirkulationParam, pause), Scale::Plain, 0, 120, 20).At(at::Byte(6)),
    Ranged(RECORD_FIELD(ZirkulationParam, mixingDiff), Scale::Difference, 129, 125, 60).At(at::Byte(19)),  // -85..75 K
    Ranged(RECORD_FIELD(ZirkulationParam, mixingStoreMin), Scale::Temperature, 0, 99, 60).At(at::Byte(20)),
    ByHand(RECORD_FIELD(ZirkulationParam, setpoint.number), Scale::Temperature, 0, 99, 60),
    Flag(RECORD_FIELD(ZirkulationParam, outputs[0])).Each(16, 1).At(at::Flags(7)),
};

}  // namespace record
