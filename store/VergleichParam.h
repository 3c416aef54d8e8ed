// The decoded record of a comparison (function type 9, "Vergleich"): value a against value b plus a switch-on
// difference, in one of twelve units, driving one output list for each outcome.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/Einheit.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

struct VergleichParam {
    Bezeichnung designation;  // 0..2; 4 standard designations
    BYTE number = 0;          // 3: the function's own number
    DigitalQuelle release;    // 4..6: "RILASCIO CONFR."
    BYTE onDifference = 0;    // 7: "DIFF.ON", in the unit's difference scale
    BYTE offDifference = 0;   // 8: "DIFF.OFF", kept below onDifference
    Quelle valueA;            // 9, 10: "VALOREa"
    Quelle valueB;            // 11, 12: "VALOREb"; with kind 0 the number is the fixed value b in the unit
    BYTE unused13[3] = {};    // 13..15
    std::uint32_t unit = 0;   // 16..19: Einheit 0..11; only its low byte is stored
    BYTE above[16] = {};      // 20..35: "Va > Vb + diff" drives output n + 1
    BYTE below[16] = {};      // 36..51: "Va < Vb + diff" drives output n + 1
};
static_assert(offsetof(VergleichParam, onDifference) == 7 && offsetof(VergleichParam, valueB) == 11 &&
              offsetof(VergleichParam, unit) == 16 && offsetof(VergleichParam, above) == 20 &&
              offsetof(VergleichParam, below) == 36 && sizeof(VergleichParam) == 52,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). The differences and the fixed value follow the unit and have no row: their rules
// stay with the repair. Only the unit word's low byte is stored.
inline constexpr FieldInfo kVergleichFields[] = {
    Listed(RECORD_FIELD(VergleichParam, unit), kEinheitCodes, kEinheitTemperatur, Repair::Range).At(at::Byte(12)),
    Flag(RECORD_FIELD(VergleichParam, above[0])).Each(16, 1).At(at::Flags(2)),
    Flag(RECORD_FIELD(VergleichParam, below[0])).Each(16, 1).At(at::Flags(4)),
};

}  // namespace record
