// The units in which analog functions, comparisons and profile functions read their values: one list, of which the
// analog function uses the first 3, the profile function the first 8 and the comparison all 12.
#pragma once

#include "platform/Types.h"

enum Einheit : BYTE {
    kEinheitOhne = 0,            // "Senza Dim."
    kEinheitTemperatur = 1,      // "Temperat."
    kEinheitStrahlung = 2,       // "Irrad.Sol."
    kEinheitZeit = 3,            // "Tempo"
    kEinheitImpulse = 4,         // "Num.Imp"
    kEinheitKwh = 5,             // "Qt Cal KWH"
    kEinheitMwh = 6,             // "Qt Cal MWH"
    kEinheitLeistung = 7,        // "Prestaz."
    kEinheitDurchfluss = 8,      // "Flusso"
    kEinheitWind = 9,            // "Velo.Vento"
    kEinheitFeuchte = 10,        // "Umidita"
    kEinheitDruck = 11,          // "Pressione"
};
static_assert(kEinheitOhne == 0 && kEinheitTemperatur == 1 && kEinheitStrahlung == 2 && kEinheitLeistung == 7 &&
              kEinheitFeuchte == 10 && kEinheitDruck == 11);

namespace record {

// The units in code order; the analog function, the profile function and the comparison offer the first 3, 8 and
// 12.
inline constexpr BYTE kEinheitCodes[] = {kEinheitOhne,  kEinheitTemperatur, kEinheitStrahlung, kEinheitZeit,
                                         kEinheitImpulse, kEinheitKwh,     kEinheitMwh,       kEinheitLeistung,
                                         kEinheitDurchfluss, kEinheitWind, kEinheitFeuchte,   kEinheitDruck};

}  // namespace record
