// The decoded record of a heating request (function type 2, "Anforderung Heizung"): a demand on a heat source while
// a demand temperature lies below its setpoint, optionally against a second switch-off sensor.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
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
              "the codec table states these decoded positions as numbers");
