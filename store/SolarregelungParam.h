// The decoded record of a solar control (function type 6, "Solarregelung"): switches the solar circuit from the
// difference between a collector and a reference temperature, with maxima and an optional limit temperature.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct SolarregelungParam {
    Bezeichnung designation;      // 0..2; 3 standard designations ("SOLARE", "SOLARE SE", "SOLARE SV")
    BYTE number = 0;              // 3: the function's own number
    DigitalQuelle release;        // 4..6: "RILASCIO CIRC.SOL."
    Quelle collectorTemp;         // 7, 8: "TEMP COLLET."
    BYTE collectorMax = 0;        // 9: "T.Coll.MASS", deg C, 90..200
    BYTE collectorHyst = 0;       // 10: hysteresis byte, 5..115
    Quelle referenceTemp;         // 11, 12: "TEMP.REFERENZA"
    BYTE referenceMax = 0;        // 13: "T.Ref.MASS", deg C, 0..150
    BYTE referenceHyst = 0;       // 14: hysteresis byte, 5..115
    BYTE diffOn = 0;              // 15: "DIFF.ON", difference byte, collector - reference
    BYTE diffOff = 0;             // 16: "DIFF.OFF", difference byte, below diffOn
    Quelle limitTemp;             // 17, 18: "TEMP.LIMITAZIONE"; kind 0 switches the limit off
    BYTE limitMax = 0;            // 19: "T.Lim.MASS", deg C, 0..150
    BYTE limitHyst = 0;           // 20: hysteresis byte, 5..115
    BYTE outputs[16] = {};        // 21..36: outputs 1..16 that the solar circuit switches, 1 = yes
};
static_assert(offsetof(SolarregelungParam, release) == 4 && offsetof(SolarregelungParam, collectorTemp) == 7 &&
              offsetof(SolarregelungParam, referenceTemp) == 11 && offsetof(SolarregelungParam, diffOn) == 15 &&
              offsetof(SolarregelungParam, limitTemp) == 17 && offsetof(SolarregelungParam, limitHyst) == 20 &&
              offsetof(SolarregelungParam, outputs) == 21 && sizeof(SolarregelungParam) == 37,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kSolarregelungFields[] = {
    Ranged(RECORD_FIELD(SolarregelungParam, collectorMax), Scale::Temperature, 90, 200, 130).At(at::Byte(2)),
    Ranged(RECORD_FIELD(SolarregelungParam, collectorHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(3)),
    Ranged(RECORD_FIELD(SolarregelungParam, referenceMax), Scale::Temperature, 0, 150, 90).At(at::Byte(4)),
    Ranged(RECORD_FIELD(SolarregelungParam, referenceHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(5)),
    // The switch-off difference lies below the switch-on one.
    ByHand(RECORD_FIELD(SolarregelungParam, diffOn), Scale::Difference, 129, 127, 129).At(at::Byte(0)),
    ByHand(RECORD_FIELD(SolarregelungParam, diffOff), Scale::Difference, 128, 126, 128).At(at::Byte(1)),
    // Repaired only while the limit is switched off.
    ByHand(RECORD_FIELD(SolarregelungParam, limitMax), Scale::Temperature, 0, 150, 90).At(at::Byte(6)),
    ByHand(RECORD_FIELD(SolarregelungParam, limitHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(7)),
    Flag(RECORD_FIELD(SolarregelungParam, outputs[0])).Each(16, 1).At(at::Flags(8)),
};

}  // namespace record
