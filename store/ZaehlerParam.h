// The decoded record of a counter (function type 17, "Zähler"): operating hours or pulses of up to six inputs, with a
// reset input, a divisor and the counter position that the controller keeps.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"

#include <cstddef>
#include <cstdint>

// The counting mode (field 8), stored in one bit.
enum ZaehlerModus : BYTE { kZaehlerStunden = 0, kZaehlerImpulse = 1 };
static_assert(kZaehlerStunden == 0 && kZaehlerImpulse == 1);

struct ZaehlerParam {
    Bezeichnung designation;     // 0..2; 8 standard designations
    BYTE number = 0;             // 3: the function's own number
    DigitalQuelle release;       // 4..6: "RILASCIO CONTATORE"
    BYTE inputCount = 0;         // 7: counting inputs in use 1..6
    BYTE mode = 0;               // 8: ZaehlerModus ("CONT.ORE FUNZ", "CONT.IMPULSI")
    BYTE divisor = 0;            // 9: "Divisore" 1..250, pulse mode
    DigitalQuelle reset;         // 10..12: "CONTAT. RIMETTERE"
    DigitalQuelle inputs[6];     // 13..30: "ENTRATA DATI"
    BYTE unused31 = 0;           // 31
    std::uint32_t position = 0;  // 32..35: "Pos.Contatore", hours or pulses; only 0..65535 is stored
    BYTE minutes = 0;            // 36: minutes of the position in hours mode, 0..59
    BYTE unused37[3] = {};       // 37..39
};
static_assert(offsetof(ZaehlerParam, reset) == 10 && offsetof(ZaehlerParam, inputs) == 13 &&
              offsetof(ZaehlerParam, position) == 32 && offsetof(ZaehlerParam, minutes) == 36 &&
              sizeof(ZaehlerParam) == 40,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kZaehlerModusCodes[] = {kZaehlerStunden, kZaehlerImpulse};

// Field table (see FieldInfo.h). Bits 1..6 of stored byte 1 are not the counter's; the position and its minutes
// are kept in copies, coded by hand.
inline constexpr FieldInfo kZaehlerFields[] = {
    // At least the highest connected input.
    ByHand(RECORD_FIELD(ZaehlerParam, inputCount), Scale::Plain, 1, 6, 1).At(at::Byte(0)),
    Listed(RECORD_FIELD(ZaehlerParam, mode), kZaehlerModusCodes, kZaehlerStunden, Repair::None).At(at::Bit(1, 0)),
    Ranged(RECORD_FIELD(ZaehlerParam, divisor), Scale::Plain, 1, 250, 1).At(at::Byte(6)),
    // What the form's save accepts, so that a stored record never makes it refuse every save.
    Ranged(RECORD_FIELD(ZaehlerParam, position), Scale::Plain, 0, 65535, 0),
    // Minutes only in hours mode.
    ByHand(RECORD_FIELD(ZaehlerParam, minutes), Scale::Plain, 0, 59, 0),
};

}  // namespace record
