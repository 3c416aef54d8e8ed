// The decoded record of a PID control (function type 8, "PID-Regelung"): absolute-value, difference and event
// control driving speed-controlled or analog outputs.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

// The three 2-bit modes of the mode word, each 0 off, 1 "normale", 2 "inverso".
enum PidModus : BYTE { kPidAus = 0, kPidNormal = 1, kPidInvers = 2 };
static_assert(kPidAus == 0 && kPidNormal == 1 && kPidInvers == 2, "stored in the slot");
// The mode word's bit positions: absolute-value control, difference control, event control.
constexpr unsigned kPidAbsolutShift = 0;
constexpr unsigned kPidDifferenzShift = 2;
constexpr unsigned kPidEreignisShift = 4;

struct PID_RegelungParam {
    Bezeichnung designation;        // 0..2; 5 standard designations ("REG.PID" .. "PID SOL.")
    BYTE number = 0;                // 3: the function's own number
    DigitalQuelle release;          // 4..6: "RILASCIO REGOLAZ."
    BYTE unused7 = 0;               // 7
    std::uint32_t modes = 0;        // 8..11: PidModus at bits 0..1 (absolute), 2..3 (difference), 4..5 (event);
                                    // only bits 0..5 are stored
    BYTE eventBelow = 0;            // 12: "COND.:" 1 "EFF < SOGL", 0 "EFF > SOGL"
    BYTE diffSetpoint = 0;          // 13: "DIFF.TEOR:", hysteresis byte
    Quelle absActual;               // 14, 15: "TEMP. REGOLAZ.VAL.ASSOL."
    Quelle absSetpoint;             // 16, 17: kind 0: number = constant setpoint deg C ("T.Abs.TEOR:")
    Quelle diffPlus;                // 18, 19: "TEMP. (+) REGOLAZ.DIFF."
    Quelle diffMinus;               // 20, 21: "TEMP. (-) REGOLAZ.DIFF."
    Quelle eventActivation;         // 22, 23: "TEMP.ATTIVAZIONE REG.AVVENIM."
    Quelle eventThreshold;          // 24, 25: kind 0: constant deg C ("T.Att.SOGL:")
    Quelle eventControlled;         // 26, 27: "TEMP REGOLAZ.REGOLAZ.AVVENIM."
    Quelle eventSetpoint;           // 28, 29: kind 0: constant deg C ("Reg.TEOR:")
    BYTE outputMax = 0;             // 30: "massimale:", 0..100
    BYTE outputMin = 0;             // 31: "minimale:", 0..100
    BYTE p = 0;                     // 32: "P:", 1..100
    BYTE i = 0;                     // 33: "I:", 0..100
    BYTE d = 0;                     // 34: "D:", 0..10
    BYTE outputs[6] = {};           // 35..40: outputs 1, 2, 6, 7, 15, 16, 1 = controlled
    BYTE unused41[3] = {};          // 41..43
};
static_assert(offsetof(PID_RegelungParam, release) == 4 && offsetof(PID_RegelungParam, modes) == 8 &&
              offsetof(PID_RegelungParam, eventBelow) == 12 && offsetof(PID_RegelungParam, absActual) == 14 &&
              offsetof(PID_RegelungParam, eventSetpoint) == 28 && offsetof(PID_RegelungParam, outputMax) == 30 &&
              offsetof(PID_RegelungParam, outputs) == 35 && sizeof(PID_RegelungParam) == 44,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). The modes are bits 0..5 of stored byte 0 (bit 7 is not the record's).
inline constexpr FieldInfo kPidRegelungFields[] = {
    Flag(RECORD_FIELD(PID_RegelungParam, eventBelow)).At(at::Bit(0, 6)),
    Ranged(RECORD_FIELD(PID_RegelungParam, diffSetpoint), Scale::Hysteresis, 0, 189, 80).At(at::Byte(1)),
    // The constants count only while their source is none.
    ByHand(RECORD_FIELD(PID_RegelungParam, absSetpoint.number), Scale::Temperature, 0, 200, 60),
    ByHand(RECORD_FIELD(PID_RegelungParam, eventThreshold.number), Scale::Temperature, 0, 200, 60),
    ByHand(RECORD_FIELD(PID_RegelungParam, eventSetpoint.number), Scale::Temperature, 0, 200, 60),
    Ranged(RECORD_FIELD(PID_RegelungParam, outputMax), Scale::Plain, 0, 100, 30).At(at::Byte(21)),
    Ranged(RECORD_FIELD(PID_RegelungParam, outputMin), Scale::Plain, 0, 100, 0).At(at::Byte(22)),
    Ranged(RECORD_FIELD(PID_RegelungParam, p), Scale::Plain, 1, 100, 5).At(at::Byte(23)),
    Ranged(RECORD_FIELD(PID_RegelungParam, i), Scale::Plain, 0, 100, 5).At(at::Byte(24)),
    Ranged(RECORD_FIELD(PID_RegelungParam, d), Scale::Plain, 0, 10, 5).At(at::Byte(25)),
    Flag(RECORD_FIELD(PID_RegelungParam, outputs[0])).Each(6, 1).At(at::Flags(2)),
};

}  // namespace record
