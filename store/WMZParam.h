// The decoded record of a heat meter (function type 12, "Wärmemengenzähler"): flow, return and flow-rate sources, a
// two-point calibration and a meter reading, both kept in redundant stored copies.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

struct WMZParam {
    Bezeichnung designation;       // 0..2; 3 standard designations ("QTA CAL", "QC SOLAR", "QC C.RIS.")
    BYTE number = 0;               // 3: the function's own number
    DigitalQuelle release;         // 4..6: "RILASCIO QTA CALORE"
    BYTE factor = 0;               // 7: with both temperature sources the frost-protection share in % ("ANTIGELO:"),
                                   // otherwise the factor ("FATTORE:")
    Quelle flowTemp;               // 8, 9: "TEMP.MANDATA"
    Quelle returnTemp;             // 10, 11: "TEMP.RITORNO"
    Quelle flowRate;               // 12, 13: "FLUSSO"; kind 0: number = constant flow in 50 l/h
    DigitalQuelle reset;           // 14..16: "CONTAT. RIMETTERE"
    BYTE unused17[3] = {};         // 17..19
    BYTE calibrated = 0;           // 20: 1 the calibration is valid ("Calibr.")
    BYTE unused21[3] = {};         // 21..23
    std::int32_t upperTemp = 0;    // 24: "sup.:", 0.01 deg C, 5000..16000
    std::int32_t upperDiff = 0;    // 28: difference at the upper point, 0.01 K, -9999..9999
    std::int32_t lowerTemp = 0;    // 32: "ant.:", 0.01 deg C, -9999..2499
    std::int32_t lowerDiff = 0;    // 36: difference at the lower point, 0.01 K, -9999..9999
    std::uint32_t readingKwh = 0;  // 40: meter reading, 0.1 kWh part, 0..9999 ("Pos.Contatore:")
    std::uint32_t readingMwh = 0;  // 44: meter reading, MWh part, 0..19999
};
static_assert(offsetof(WMZParam, release) == 4 && offsetof(WMZParam, flowRate) == 12 &&
              offsetof(WMZParam, reset) == 14 && offsetof(WMZParam, calibrated) == 20 &&
              offsetof(WMZParam, upperTemp) == 24 && offsetof(WMZParam, lowerDiff) == 36 &&
              offsetof(WMZParam, readingKwh) == 40 && offsetof(WMZParam, readingMwh) == 44 && sizeof(WMZParam) == 48,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). The calibration and the meter reading are kept in blocks and copies, coded by
// hand; stored byte 1 is not the record's.
inline constexpr FieldInfo kWmzFields[] = {
    // With both temperatures the frost-protection share 0..100 (else 0), otherwise the factor 1..100 (else 1).
    ByHand(RECORD_FIELD(WMZParam, factor), Scale::Plain, 0, 100, 0).At(at::Byte(0)),
    ByHand(RECORD_FIELD(WMZParam, flowRate.number), Scale::Plain, 0, 200, 10),
    Flag(RECORD_FIELD(WMZParam, calibrated)),
    // The calibration is valid or reset as a whole.
    ByHand(RECORD_FIELD(WMZParam, upperTemp), Scale::Signed, 5000, 16000, 5000),
    ByHand(RECORD_FIELD(WMZParam, upperDiff), Scale::Signed, -9999, 9999, 0),
    ByHand(RECORD_FIELD(WMZParam, lowerTemp), Scale::Signed, -9999, 2499, 2499),
    ByHand(RECORD_FIELD(WMZParam, lowerDiff), Scale::Signed, -9999, 9999, 0),
    // The meter reading is valid or reset as a whole.
    ByHand(RECORD_FIELD(WMZParam, readingKwh), Scale::Plain, 0, 9999, 0),
    ByHand(RECORD_FIELD(WMZParam, readingMwh), Scale::Plain, 0, 19999, 0),
};

}  // namespace record
