// The decoded record of a logic function (function type 10, "Logikfunktion"): OR, AND or flip-flop of up to six
// digital inputs, driving outputs with the result and with the inverted result.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"

#include <cstddef>

// The logic function (field 8).
enum LogikFunktion : BYTE { kLogikAus = 0, kLogikOder = 1, kLogikUnd = 2, kLogikFlipFlop = 3 };
static_assert(kLogikAus == 0 && kLogikOder == 1 && kLogikUnd == 2 && kLogikFlipFlop == 3);

struct LogikfuncParam {
    Bezeichnung designation;  // 0..2; 4 standard designations
    BYTE number = 0;          // 3: the function's own number
    DigitalQuelle release;    // 4..6
    BYTE inputCount = 0;      // 7: inputs in use 1..6, always the highest connected input
    BYTE function = 0;        // 8: LogikFunktion ("OFF", "OPPURE", "E", "FLIP FLOP")
    BYTE result[16] = {};     // 9..24: the result drives output n + 1
    BYTE inverted[16] = {};   // 25..40: the inverted result drives output n + 1
    DigitalQuelle inputs[6];  // 41..58
};
static_assert(offsetof(LogikfuncParam, result) == 9 && offsetof(LogikfuncParam, inverted) == 25 &&
              offsetof(LogikfuncParam, inputs) == 41 && sizeof(LogikfuncParam) == 59,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kLogikFunktionCodes[] = {kLogikAus, kLogikOder, kLogikUnd, kLogikFlipFlop};

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kLogikfuncFields[] = {
    // Always the highest connected input.
    ByHand(RECORD_FIELD(LogikfuncParam, inputCount), Scale::Plain, 1, 6, 1).At(at::Byte(0)),
    Listed(RECORD_FIELD(LogikfuncParam, function), kLogikFunktionCodes, kLogikOder, Repair::Range).At(at::Byte(1)),
    Flag(RECORD_FIELD(LogikfuncParam, result[0])).Each(16, 1).At(at::Flags(2)),
    Flag(RECORD_FIELD(LogikfuncParam, inverted[0])).Each(16, 1).At(at::Flags(4)),
};

}  // namespace record
