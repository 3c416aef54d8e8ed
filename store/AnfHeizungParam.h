// The decoded record of a heating request (function type 2, "Anforderung Heizung"): a demand on a heat source while
// a demand temperature lies below its setpoint, optionally against a second switch-off sensor.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct AnfHeizungParam {
    Bezeichnung designation;    // 0..2; 1 standard designation ("RISC.RICH")
    BYTE number = 0;            // 3: the function's own number
    DigitalQuelle release;      // 4..6: "RILASCIO RICHIESTA"
    Quelle demandTemp;          // 7, 8: "TEMP.RICHIESTA"
    BYTE diffOn = 0;            // 9: "DIFF.ON:", signed difference byte
    BYTE diffOff = 0;           // 10: "DIFF.OFF:", signed difference byte
    Quelle demandSetpoint;      // 11, 12: "VAL.TEOR. RICHIESTA"; kind 0: number = fixed setpoint deg C
    Quelle offTemp;             // 13, 14: "SPEGN.TEMP."; kind 0 none
    Quelle offSetpoint;         // 15, 16: "VAL.TEOR SPEGN."; kind 0: number = fixed setpoint deg C
    BYTE minDemandTemp = 0;     // 17: "T.RichMIN:", deg C, 0..99
    BYTE eco = 0;               // 18: "ECO:MODO:" share, %, 0..50
    BYTE minBurnerRun = 0;      // 19: minimum burner run time, time byte 0..191
    BYTE outputs[16] = {};      // 20..35: outputs 1..16 that the demand ("RICHIESTA") drives, 1 = yes
};
static_assert(offsetof(AnfHeizungParam, release) == 4 && offsetof(AnfHeizungParam, demandTemp) == 7 &&
              offsetof(AnfHeizungParam, demandSetpoint) == 11 && offsetof(AnfHeizungParam, offTemp) == 13 &&
              offsetof(AnfHeizungParam, offSetpoint) == 15 && offsetof(AnfHeizungParam, outputs) == 20 &&
              sizeof(AnfHeizungParam) == 36,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kAnfHeizungFields[] = {
    // Switch-on 85 K leaves no room above it for the switch-off difference.
    ByHand(RECORD_FIELD(AnfHeizungParam, diffOn), Scale::Difference, 128, 126, 126).At(at::Byte(0)),
    // Above the switch-on difference without a switch-off temperature, else below 85 K.
    ByHand(RECORD_FIELD(AnfHeizungParam, diffOff), Scale::Difference, 129, 127, 126).At(at::Byte(1)),
    // The fixed setpoints count only while their source is none.
    ByHand(RECORD_FIELD(AnfHeizungParam, demandSetpoint.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(AnfHeizungParam, offSetpoint.number), Scale::Temperature, 0, 99, 60),
    Ranged(RECORD_FIELD(AnfHeizungParam, minDemandTemp), Scale::Temperature, 0, 99, 50).At(at::Byte(2)),
    Ranged(RECORD_FIELD(AnfHeizungParam, eco), Scale::Plain, 0, 50, 0).At(at::Byte(16)),
    Ranged(RECORD_FIELD(AnfHeizungParam, minBurnerRun), Scale::Duration, 0, 191, 0).At(at::Byte(3)),
    Flag(RECORD_FIELD(AnfHeizungParam, outputs[0])).Each(16, 1).At(at::Flags(4)),
};

}  // namespace record
