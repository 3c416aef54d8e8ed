// The decoded record of a maintenance function (function type 13, "Wartungsfunktion"): switched by an external
// input, it drives a burner demand and a burner power for a run time and uses up to five heating-circuit controllers.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"

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
              "the codec table states these decoded positions as numbers");
