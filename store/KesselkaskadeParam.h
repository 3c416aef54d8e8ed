// The decoded record of a boiler cascade (function type 23, "Kesselkaskade"): two or three boilers serving up to six
// heating and hot-water requests, with a boiler sequence that may change by operating hours.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

// One boiler's block of 28 positions.
struct KesselBlock {
    BYTE onDifference = 0;    // +0: "DIFF.ON:", difference byte
    BYTE offDifference = 0;   // +1: "DIFF.OFF:", difference byte, above onDifference as signed bytes
    BYTE delay = 0;           // +2: "Rit.Tempo:", time byte
    BYTE demand[16] = {};     // +3..+18: "RICHIESTA CALDA" drives output n + 1; output 16 is never stored
    BYTE autoChange = 0;      // +19: "Autom.Cambio Calda:" 1 the automatic sequence change applies to this boiler
    BYTE position = 0;        // +20: "Sequenza Calda:" place 1..boilerCount in the sequence
    BYTE unused[3] = {};      // +21..+23
    std::uint32_t hours = 0;  // +24..+27: operating hours; only 0..65535 is stored
};
static_assert(offsetof(KesselBlock, demand) == 3 && offsetof(KesselBlock, position) == 20 &&
              offsetof(KesselBlock, hours) == 24 && sizeof(KesselBlock) == 28);

struct KesselkaskadeParam {
    Bezeichnung designation;    // 0..2; 1 standard designation ("CASC.CALD")
    BYTE number = 0;            // 3: the function's own number
    DigitalQuelle release;      // 4..6: "RILASCIO CASC CALDA"
    DigitalQuelle release2;     // 7..9: "RILASCIO DA 2. GRADO"
    DigitalQuelle release3;     // 10..12: "RILASCIO DA 3. GRADO"
    BYTE participantCount = 0;  // 13: "utiliz. FUNZION:" 1..6
    BYTE boilerCount = 0;       // 14: "Numero Calda:" 2..3
    Quelle flowTemp;            // 15, 16: "TEMP.MANDATA"
    BYTE hourDifference = 0;    // 17: sequence change after this many 10 hours of difference, 1..250
    BYTE participants[6] = {};  // 18..23: function number + 1 of a heating or hot-water request; 0 none
    KesselBlock boilers[3];     // 24..51 A, 52..79 B, 80..107 C
};
static_assert(offsetof(KesselkaskadeParam, participantCount) == 13 && offsetof(KesselkaskadeParam, flowTemp) == 15 &&
              offsetof(KesselkaskadeParam, participants) == 18 && offsetof(KesselkaskadeParam, boilers) == 24 &&
              sizeof(KesselkaskadeParam) == 108,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). Boiler b is stored in bytes 48 + 6b .. 53 + 6b.
inline constexpr FieldInfo kKesselkaskadeFields[] = {
    Ranged(RECORD_FIELD(KesselkaskadeParam, participantCount), Scale::Plain, 1, 6, 2).At(at::Bits(0, 0, 4)),
    Ranged(RECORD_FIELD(KesselkaskadeParam, boilerCount), Scale::Plain, 2, 3, 2).At(at::Bits(0, 4, 4)),
    Ranged(RECORD_FIELD(KesselkaskadeParam, hourDifference), Scale::Plain, 1, 250, 10).At(at::Byte(5)),
    // Function number + 1 of a heating or hot-water request of the same file, else 0.
    ByHand(RECORD_FIELD(KesselkaskadeParam, participants[0]), Scale::Plain, 0, 45, 0).Each(6, 1).At(at::Bytes(32)),
    // The boilers in use only; the switch-off difference lies above the switch-on one, the place within the
    // boilers in use.
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].onDifference), Scale::Difference, 128, 126, 126)
        .Each(3, sizeof(KesselBlock))
        .At(at::Byte(48), 6),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].offDifference), Scale::Difference, 129, 127, 127)
        .Each(3, sizeof(KesselBlock))
        .At(at::Byte(49), 6),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].delay), Scale::Duration, 0, 251, 1)
        .Each(3, sizeof(KesselBlock))
        .At(at::Byte(50), 6),
    Flag(RECORD_FIELD(KesselkaskadeParam, boilers[0].autoChange)).Each(3, sizeof(KesselBlock)).At(at::Bit(52, 7), 6),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].position), Scale::Plain, 1, 3, 1)
        .Each(3, sizeof(KesselBlock))
        .At(at::Byte(53), 6),
};

}  // namespace record
