// The dependent rules that several CParaCheck source files share: ordering a switch-off difference against its
// switch-on difference. The ranges of single fields stand in the field tables beside the records.
#pragma once

#include "platform/Types.h"

namespace paracheck {

// Difference bytes compare as signed bytes: the scale rises with the signed value.
inline int Signed(BYTE value)
{
    return static_cast<signed char>(value);
}

// A switch-off difference below the switch-on difference; -90 K (128) leaves no room below and becomes -85 K.
inline void OffBelowOn(BYTE& on, BYTE& off)
{
    if (on == 128)
        on = 129;
    if (Signed(on) <= Signed(off))
        off = static_cast<BYTE>(on - 1);
}

// A switch-off difference above the switch-on difference; 85 K (127) leaves no room above and becomes 80 K.
inline void OffAboveOn(BYTE& on, BYTE& off)
{
    if (on == 127)
        on = 126;
    if (Signed(off) <= Signed(on))
        off = static_cast<BYTE>(on + 1);
}

}  // namespace paracheck
