// The decoded record of a hot-water request (function type 3, "Anforderung Warmwasser"): a demand while the
// hot-water temperature lies below its setpoint, by time programs, with a burner power for a speed-controllable
// output.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"
#include "store/Zeitprogramm.h"

#include <cstddef>

struct AnfWarmwasserParam {
    Bezeichnung designation;        // 0..2; 1 standard designation ("A.C.RICH.")
    BYTE number = 0;                // 3: the function's own number
    DigitalQuelle release;          // 4..6: "RILASCIO RICHIESTA"
    BYTE windowsPerProgram = 0;     // 7: time windows used in each program, 1..3
    BYTE programsInUse = 0;         // 8: time programs in use, 0..5
    BYTE windowSetpoints = 0;       // 9: 1 the windows carry a setpoint
    BYTE minTemp = 0;               // 10: "T.Ac.MIN.:", deg C, 0..99
    BYTE diffOn = 0;                // 11: "DIFF.ON:", signed difference byte
    BYTE diffOff = 0;               // 12: "DIFF.OFF:", signed difference byte, above diffOn
    BYTE burnerPower = 0;           // 13: "Prest.Bruc.:", %, 20..127
    Quelle hotWaterTemp;            // 14, 15: "TEMP AC.CALDA"
    Quelle setpoint;                // 16, 17: "TEMP.TEOR."; kind 0: number = fixed setpoint deg C
    DigitalQuelle externalSwitch;   // 18..20: "INTERRUTTORE EST."
    BYTE outputs[16] = {};          // 21..36: outputs 1..16 that the demand drives, 1 = yes
    BYTE burnerOutputs[6] = {};     // 37..42: outputs 1, 2, 6, 7, 15, 16 that the burner power drives, 1 = yes
    Zeitprogramm programs[kZeitprogramme];  // 43..122
};
static_assert(offsetof(AnfWarmwasserParam, release) == 4 && offsetof(AnfWarmwasserParam, windowsPerProgram) == 7 &&
              offsetof(AnfWarmwasserParam, minTemp) == 10 && offsetof(AnfWarmwasserParam, hotWaterTemp) == 14 &&
              offsetof(AnfWarmwasserParam, externalSwitch) == 18 && offsetof(AnfWarmwasserParam, outputs) == 21 &&
              offsetof(AnfWarmwasserParam, burnerOutputs) == 37 && offsetof(AnfWarmwasserParam, programs) == 43 &&
              sizeof(AnfWarmwasserParam) == 123,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). Stored byte 0 and bytes 64..113 are the time-program block.
inline constexpr FieldInfo kAnfWarmwasserFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(AnfWarmwasserParam, 0),
    Ranged(RECORD_FIELD(AnfWarmwasserParam, minTemp), Scale::Temperature, 0, 99, 40).At(at::Byte(1)),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, diffOn), Scale::Difference, 128, 126, 126).At(at::Byte(2)),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, diffOff), Scale::Difference, 129, 127, 127).At(at::Byte(3)),
    Ranged(RECORD_FIELD(AnfWarmwasserParam, burnerPower), Scale::Plain, 20, 127, 80).At(at::Byte(4)),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, setpoint.number), Scale::Temperature, 0, 99, 60),
    Flag(RECORD_FIELD(AnfWarmwasserParam, outputs[0])).Each(16, 1).At(at::Flags(5)),
    Flag(RECORD_FIELD(AnfWarmwasserParam, burnerOutputs[0])).Each(6, 1).At(at::Flags(7)),
};

}  // namespace record
