// The decoded record of a maintenance function (function type 13, "Wartungsfunktion"): switched by an external
// input, it drives a burner demand and a burner power for a run time and uses up to five heating-circuit controllers.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"

#include <cstddef>

struct WartungsfuncParam {
    Bezeichnung designation;       // 0..2; 2 standard designations
    BYTE number = 0;               // 3: the function's own number
    DigitalQuelle externalSwitch;  // 4..6: "INTERRUTTORE EST."
    BYTE circuitCount = 0;         // 7: heating-circuit controllers used 1..5
    BYTE runTime = 0;              // 8: "Tpo.Tot.Fz.", minutes 0..120
    BYTE burnerPower = 0;          // 9: "Prest.Bruc.", percent 20..100
    BYTE burnerDemand[16] = {};    // 10..25: "RICHIESTA BRUC." drives output n + 1
    BYTE powerOutputs[6] = {};     // 26..31: "PREST.BRUC." drives output 1, 2, 6, 7, 15, 16
    BYTE circuits[5] = {};         // 32..36: function number + 1 of a heating-circuit controller (pin k + 4); 0 none
};
static_assert(offsetof(WartungsfuncParam, burnerDemand) == 10 && offsetof(WartungsfuncParam, powerOutputs) == 26 &&
              offsetof(WartungsfuncParam, circuits) == 32 && sizeof(WartungsfuncParam) == 37,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kWartungsfuncFields[] = {
    Ranged(RECORD_FIELD(WartungsfuncParam, circuitCount), Scale::Plain, 1, 5, 2).At(at::Byte(0)),
    Ranged(RECORD_FIELD(WartungsfuncParam, runTime), Scale::Plain, 0, 120, 20).At(at::Byte(1)),
    Ranged(RECORD_FIELD(WartungsfuncParam, burnerPower), Scale::Plain, 20, 100, 80).At(at::Byte(2)),
    Flag(RECORD_FIELD(WartungsfuncParam, burnerDemand[0])).Each(16, 1).At(at::Flags(3)),
    // Function number + 1 of a heating-circuit controller of the same file, else 0.
    ByHand(RECORD_FIELD(WartungsfuncParam, circuits[0]), Scale::Plain, 0, 45, 0).Each(5, 1).At(at::Bytes(64)),
};

}  // namespace record
