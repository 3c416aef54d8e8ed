// The decoded record of a function control (function type 20, "Funktionskontrolle"): watches control value a against
// value b or a fixed limit and reports an error on two output lists when the condition has held long enough.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct FuncKontrolleParam {
    Bezeichnung designation;          // 0..2; 3 standard designations
    BYTE number = 0;                  // 3: the function's own number
    BYTE errorDelay = 0;              // 4: "Errore se superiore", minutes 1..120
    BYTE differenceLimit = 0;         // 5: "CVa - CVb", K 0..99, used when value b has a source
    Quelle valueA;                    // 6, 7: "CONTR.VALOREa"
    Quelle valueB;                    // 8, 9: "CONTR.VALOREb"; with kind 0 the number is the limit of a, 0..200 deg C
    DigitalQuelle differenceRelease;  // 10..12: "DIFF.CONTR."
    BYTE keepError = 0;               // 13: "Salv.Errore" 1 yes
    BYTE valueError[16] = {};         // 14..29: "Errore Valore" drives output n + 1; output 16 has no stored bit
    BYTE differenceError[16] = {};    // 30..45: "Errore Diff" drives output n + 1; output 16 has no stored bit
};
static_assert(offsetof(FuncKontrolleParam, valueA) == 6 && offsetof(FuncKontrolleParam, differenceRelease) == 10 &&
              offsetof(FuncKontrolleParam, valueError) == 14 && offsetof(FuncKontrolleParam, differenceError) == 30 &&
              sizeof(FuncKontrolleParam) == 46,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). Output 16 has no bit in either list; bit 7 of stored byte 3 is the keep-error
// flag, bit 7 of byte 5 is written as 0.
inline constexpr FieldInfo kFuncKontrolleFields[] = {
    Ranged(RECORD_FIELD(FuncKontrolleParam, errorDelay), Scale::Plain, 1, 120, 15).At(at::Byte(0)),
    Ranged(RECORD_FIELD(FuncKontrolleParam, differenceLimit), Scale::Plain, 0, 99, 50).At(at::Byte(1)),
    // The constant counts only while its source is none.
    ByHand(RECORD_FIELD(FuncKontrolleParam, valueB.number), Scale::Temperature, 0, 200, 60),
    Flag(RECORD_FIELD(FuncKontrolleParam, keepError)).At(at::Bit(3, 7)),
    Flag(RECORD_FIELD(FuncKontrolleParam, valueError[0])).Each(15, 1).At(at::Flags(2)),
    Flag(RECORD_FIELD(FuncKontrolleParam, differenceError[0])).Each(15, 1).At(at::Flags(4)),
};

}  // namespace record
