// The decoded transmission conditions of the network outputs, 15 bytes stored one to one at area 0 address 6720.
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"

struct Sendebedingungen {
    // Analog outputs in four groups of four (1..4, 5..8, 9..12, 13..16).
    struct AnalogGruppe {
        BYTE threshold = 0;  // change that triggers sending, 10..250
        BYTE interval = 0;   // send interval in minutes, 1..60
        BYTE blocking = 0;   // blocking time in seconds, 1..120
    };

    BYTE onChange = 0;   // digital outputs: send on change ("Presso Mod."), 1 = yes
    BYTE interval = 0;   // digital outputs: send interval in minutes ("Tpo Interv.:"), 1..60
    BYTE blocking = 0;   // digital outputs: blocking time in seconds ("Tpo Blocc.:"), 1..120
    AnalogGruppe analog[4] = {};
};
static_assert(sizeof(Sendebedingungen) == 15, "stored one to one");

namespace record {

// Field table (see FieldInfo.h). Stored one to one; only byte 0 is a flag, whose other bits stay 1.
inline constexpr FieldInfo kSendebedingungenFields[] = {
    Flag(RECORD_FIELD(Sendebedingungen, onChange)).At(at::Bit(0, 0)),
    Ranged(RECORD_FIELD(Sendebedingungen, interval), Scale::Plain, 1, 60, 5).At(at::Byte(1)),
    Ranged(RECORD_FIELD(Sendebedingungen, blocking), Scale::Plain, 1, 120, 10).At(at::Byte(2)),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].threshold), Scale::Plain, 10, 250, 30)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe))
        .At(at::Byte(3), sizeof(Sendebedingungen::AnalogGruppe)),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].interval), Scale::Plain, 1, 60, 5)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe))
        .At(at::Byte(4), sizeof(Sendebedingungen::AnalogGruppe)),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].blocking), Scale::Plain, 1, 120, 10)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe))
        .At(at::Byte(5), sizeof(Sendebedingungen::AnalogGruppe)),
};

}  // namespace record
