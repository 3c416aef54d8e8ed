// The decoded record of an analog function (function type 11, "Analogfunktion"): minimum, maximum, mean, sum or filter
// of up to six analog values.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/Einheit.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

// The function (field 9).
enum AnalogFunktion : BYTE {
    kAnalogNull = 0,       // "ZERO"
    kAnalogMin = 1,        // "MIN"
    kAnalogMax = 2,        // "MASS"
    kAnalogMittel = 3,     // "VAL.MED."
    kAnalogSumme = 4,      // "SOMMA"
    kAnalogFilter = 5,     // "FILTRO"
};
static_assert(kAnalogMin == 1 && kAnalogMax == 2 && kAnalogFilter == 5);

struct AnalogfuncParam {
    // One input variable: its source (with kind 0 the number is the fixed value) and the offset added to a source.
    struct Variable {
        BYTE kind = 0;
        BYTE number = 0;
        BYTE offset = 0;
    };

    Bezeichnung designation;   // 0..2; 6 standard designations
    BYTE number = 0;           // 3: the function's own number
    DigitalQuelle release;     // 4..6
    BYTE variableCount = 0;    // 7: variables in use 1..6, never below lastVariable
    BYTE lastVariable = 0;     // 8: highest variable with a source; not stored, set by the repair
    BYTE function = 0;         // 9: AnalogFunktion
    BYTE unit = 0;             // 10: Einheit 0..2
    BYTE filterTime = 0;       // 11: time byte, function kAnalogFilter only
    BYTE outputs[6] = {};      // 12..17: the result drives output 1, 2, 6, 7, 15, 16
    Quelle offResult;          // 18, 19: result while the release is off; with kind 0 the number is the fixed value
    BYTE offResultOffset = 0;  // 20: offset added to that source's value
    Variable variables[6];     // 21..38
};
static_assert(sizeof(AnalogfuncParam::Variable) == 3);
static_assert(offsetof(AnalogfuncParam, release) == 4 && offsetof(AnalogfuncParam, outputs) == 12 &&
              offsetof(AnalogfuncParam, offResult) == 18 && offsetof(AnalogfuncParam, variables) == 21 &&
              sizeof(AnalogfuncParam) == 39,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kAnalogFunktionCodes[] = {kAnalogNull, kAnalogMin,   kAnalogMax,
                                                kAnalogMittel, kAnalogSumme, kAnalogFilter};

// Field table (see FieldInfo.h). The fields whose scale follows the unit (offsets, fixed values) have no row:
// their rules stay with the repair.
inline constexpr FieldInfo kAnalogfuncFields[] = {
    // Never below the highest variable with a source.
    ByHand(RECORD_FIELD(AnalogfuncParam, variableCount), Scale::Plain, 1, 6, 2).At(at::Byte(0)),
    Listed(RECORD_FIELD(AnalogfuncParam, function), kAnalogFunktionCodes, kAnalogMin, Repair::Range).At(at::Byte(1)),
    Listed(RECORD_FIELD(AnalogfuncParam, unit), std::span(kEinheitCodes).first(3), kEinheitTemperatur, Repair::Range)
        .At(at::Byte(3)),
    Ranged(RECORD_FIELD(AnalogfuncParam, filterTime), Scale::Duration, 0, 251, 0).At(at::Byte(8)),
};

}  // namespace record
