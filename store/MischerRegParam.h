// The decoded record of a mixer control (function type 19, "Mischerregelfunktion"): a mixer output pair that makes a
// control temperature follow a setpoint within a difference.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

// What the mixer does while the release is off (low 4 bits of offAction).
enum MischerAktion : BYTE { kMischerAuf = 0, kMischerZu = 1, kMischerUnveraendert = 2 };
static_assert(kMischerAuf == 0 && kMischerZu == 1 && kMischerUnveraendert == 2);

// The mixer output pairs, by their first output; any other value counts as none.
enum MischerAusgang : BYTE { kMischerKein = 0, kMischer3 = 3, kMischer8 = 8, kMischer10 = 10, kMischer12 = 12 };
static_assert(kMischer3 == 3 && kMischer8 == 8 && kMischer10 == 10 && kMischer12 == 12);

struct MischerRegParam {
    Bezeichnung designation;      // 0..2; 2 standard designations ("REG.M.", "AUM.RT.")
    BYTE number = 0;              // 3: the function's own number
    DigitalQuelle release;        // 4..6: "RILASCIO MISCELA."
    Quelle controlTemp;           // 7, 8: "TEMP.REGOL."
    Quelle setpoint;              // 9, 10: "VAL.TEOR."; with kind 0 the number is the fixed setpoint in deg C
    BYTE difference = 0;          // 11: "Diff.:", difference byte
    BYTE inverse = 0;             // 12: "MODO:" 0 normal, 1 inverse
    BYTE unused13[3] = {};        // 13..15
    std::uint32_t offAction = 0;  // 16..19: bits 0..3 MischerAktion ("se RILASCIO = OFF MISC.:"); the other
                                  // bits are the caller's and are never stored
    BYTE outputs = 0;             // 20: "MISCELA.", MischerAusgang
    BYTE unused21[3] = {};        // 21..23
};
static_assert(offsetof(MischerRegParam, release) == 4 && offsetof(MischerRegParam, setpoint) == 9 &&
              offsetof(MischerRegParam, difference) == 11 && offsetof(MischerRegParam, offAction) == 16 &&
              offsetof(MischerRegParam, outputs) == 20 && sizeof(MischerRegParam) == 24,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kMischerAusgangCodes[] = {kMischerKein, kMischer3, kMischer8, kMischer10, kMischer12};

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kMischerRegFields[] = {
    // The fixed setpoint counts only while its source is none.
    ByHand(RECORD_FIELD(MischerRegParam, setpoint.number), Scale::Temperature, 0, 99, 40),
    Ranged(RECORD_FIELD(MischerRegParam, difference), Scale::Difference, 131, 127, 80).At(at::Byte(0)),  // -75..85 K
    Flag(RECORD_FIELD(MischerRegParam, inverse)).At(at::Bit(1, 4)),
    // Any other value counts as no mixer.
    Listed(RECORD_FIELD(MischerRegParam, outputs), kMischerAusgangCodes, kMischerKein, Repair::None).At(at::Byte(2)),
};

}  // namespace record
