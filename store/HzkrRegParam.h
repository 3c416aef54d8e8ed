// The decoded record of a heating-circuit controller (function type 1, "Heizkreisregler"): flow temperature from a
// fixed value or a heating curve, room correction, pump and mixer, time programs, switch-off conditions and frost
// protection.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"
#include "store/SharedCodes.h"
#include "store/Zeitprogramm.h"

#include <cstddef>

// Operating mode ("MODO").
enum HzkrModus : BYTE { kHzkrStandby = 0, kHzkrAuto = 1, kHzkrNormal = 2, kHzkrAbgesenkt = 3 };
static_assert(kHzkrStandby == 0 && kHzkrAuto == 1 && kHzkrNormal == 2 && kHzkrAbgesenkt == 3, "stored in the slot");
// What the mixer does while the circuit is off.
enum HzkrMischerAus : BYTE { kHzkrMischerAuf = 0, kHzkrMischerZu = 1, kHzkrMischerRegeln = 2, kHzkrMischerLassen = 3 };
static_assert(kHzkrMischerAuf == 0 && kHzkrMischerZu == 1 && kHzkrMischerRegeln == 2 && kHzkrMischerLassen == 3,
              "stored in the slot");
// The mixer output pairs by their first output; any other value counts as none.
enum HzkrMischerAusgang : BYTE { kHzkrKeinMischer = 0, kHzkrMischer3 = 3, kHzkrMischer8 = 8, kHzkrMischer10 = 10,
                                 kHzkrMischer12 = 12 };
static_assert(kHzkrMischer3 == 3 && kHzkrMischer8 == 8 && kHzkrMischer10 == 10 && kHzkrMischer12 == 12,
              "stored in the slot");

struct HzkrRegParam {
    Bezeichnung designation;          // 0..2; 2 standard designations ("CIR.RISC.", "RISC.PAV.")
    BYTE number = 0;                  // 3: the function's own number
    DigitalQuelle release;            // 4..6: "RILASCIO CIRC.RISC"
    BYTE windowsPerProgram = 0;       // 7: time windows used in each program, 1..3
    BYTE programsInUse = 0;           // 8: time programs in use, 0..5
    BYTE windowSetpoints = 0;         // 9: 1 the windows carry a setpoint
    BYTE mode = 0;                    // 10: HzkrModus
    BYTE roomNormal = 0;              // 11: "T.Amb.NORMALE", deg C, 0..45
    BYTE roomReduced = 0;             // 12: "T.Amb.ABBASS", deg C, 0..45
    BYTE advanceTime = 0;             // 13: "Tempo Prec.", minutes, 0..240
    BYTE byOutsideTemp = 0;           // 14: "Regolaz.": 0 fixed value, 1 by outside temperature (3 bits stored)
    BYTE curveBySlope = 0;            // 15: "Curva Ri.": 0 two flow temperatures, 1 slope
    BYTE roomInfluence = 0;           // 16: "Influsso Amb", %, 0..90
    BYTE switchOnRaise = 0;           // 17: "Asc.Sovrapass.", %, 0..20
    BYTE curve = 0;                   // 18: flow temperature at -20 deg C outside (20..99), or slope x 100 (5..250)
    BYTE flowAtPlus10 = 0;            // 19: flow temperature at +10 deg C outside, 20..99, not above field 18
    BYTE flowMax = 0;                 // 20: "T.Mand.MASS", deg C, 0..99
    BYTE flowMin = 0;                 // 21: "T.Mand.MIN", deg C, 0..99
    BYTE averagingControl = 0;        // 22: averaging time for the flow control, time byte 0..251
    BYTE averagingOff = 0;            // 23: averaging time for the switch-off conditions, time byte 0..251
    BYTE offRoomAboveSetpoint = 0;    // 24: switch-off condition 1
    BYTE offRoomHyst = 0;             // 25: its hysteresis, difference byte 1..115
    BYTE offFlowBelowMin = 0;         // 26: switch-off condition 2
    BYTE offFlowHyst = 0;             // 27: difference byte 5..115
    BYTE offOutsideAboveMax = 0;      // 28: switch-off condition 3
    BYTE offOutsideHyst = 0;          // 29: difference byte 5..115
    BYTE offOutsideMax = 0;           // 30: signed deg C, -20..99
    BYTE offReducedOutsideAboveMin = 0;  // 31: switch-off condition 4
    BYTE offReducedHyst = 0;          // 32: difference byte 5..115
    BYTE offReducedOutsideMin = 0;    // 33: signed deg C, -20..99
    BYTE offFlowAboveMax = 0;         // 34: switch-off condition 5
    BYTE reserved = 0;                // 35: carried between slot and record, never shown
    BYTE mixerWhileOff = 0;           // 36: HzkrMischerAus
    BYTE frostRoom = 0;               // 37: "T.Amb.ANTIG:", deg C, 0..30
    BYTE frostOutside = 0;            // 38: "T.Est.VMr <", signed deg C, -20..20
    DigitalQuelle pumpRelease;        // 39..41: "RILASCIO POMPA"
    DigitalQuelle mixerRelease;       // 42..44: "RILASCIO MISCELA."
    Quelle roomTemp;                  // 45, 46: "TEMP.AMBIENTE"
    Quelle flowTemp;                  // 47, 48: "TEMP.MANDATA"
    Quelle outsideTemp;               // 49, 50: "TEMP.ESTERNA"
    DigitalQuelle externalSwitch;     // 51..53: "INTERRUTTORE EST."
    BYTE pumpOutputs[16] = {};        // 54..69: outputs 1..16 that the circuit pump drives, 1 = yes
    BYTE mixerOutputs = 0;            // 70: HzkrMischerAusgang
    Zeitprogramm programs[kZeitprogramme];  // 71..150
};
static_assert(offsetof(HzkrRegParam, release) == 4 && offsetof(HzkrRegParam, windowsPerProgram) == 7 &&
              offsetof(HzkrRegParam, mode) == 10 && offsetof(HzkrRegParam, curve) == 18 &&
              offsetof(HzkrRegParam, offOutsideMax) == 30 && offsetof(HzkrRegParam, frostOutside) == 38 &&
              offsetof(HzkrRegParam, pumpRelease) == 39 && offsetof(HzkrRegParam, mixerRelease) == 42 &&
              offsetof(HzkrRegParam, roomTemp) == 45 && offsetof(HzkrRegParam, outsideTemp) == 49 &&
              offsetof(HzkrRegParam, externalSwitch) == 51 && offsetof(HzkrRegParam, pumpOutputs) == 54 &&
              offsetof(HzkrRegParam, mixerOutputs) == 70 && offsetof(HzkrRegParam, programs) == 71 &&
              sizeof(HzkrRegParam) == 151,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kHzkrModusCodes[] = {kHzkrStandby, kHzkrAuto, kHzkrNormal, kHzkrAbgesenkt};
inline constexpr BYTE kHzkrMischerAusCodes[] = {kHzkrMischerAuf, kHzkrMischerZu, kHzkrMischerRegeln,
                                                kHzkrMischerLassen};
inline constexpr BYTE kHzkrMischerAusgangCodes[] = {kHzkrKeinMischer, kHzkrMischer3, kHzkrMischer8, kHzkrMischer10,
                                                    kHzkrMischer12};

// Field table (see FieldInfo.h). Stored byte 0 and bytes 64..113 are the time-program block; the mode is one
// nibble written into both halves of stored byte 19, coded by hand; bits 4..6 of byte 18 are not the record's.
inline constexpr FieldInfo kHzkrRegFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(HzkrRegParam, 0),
    Listed(RECORD_FIELD(HzkrRegParam, mode), kHzkrModusCodes, kHzkrAuto, Repair::Range),
    Ranged(RECORD_FIELD(HzkrRegParam, roomNormal), Scale::Temperature, 0, 45, 20).At(at::Byte(4)),
    Ranged(RECORD_FIELD(HzkrRegParam, roomReduced), Scale::Temperature, 0, 45, 17).At(at::Byte(5)),
    Ranged(RECORD_FIELD(HzkrRegParam, advanceTime), Scale::Plain, 0, 240, 0).At(at::Byte(40)),
    Listed(RECORD_FIELD(HzkrRegParam, byOutsideTemp), kNoYesCodes, 1, Repair::Range).At(at::Bits(1, 0, 3)),
    // 0 whenever the control is by a fixed value.
    Listed(RECORD_FIELD(HzkrRegParam, curveBySlope), kNoYesCodes, 0, Repair::Hand).At(at::Bit(1, 7)),
    Ranged(RECORD_FIELD(HzkrRegParam, roomInfluence), Scale::Plain, 0, 90, 0).At(at::Byte(2)),
    Ranged(RECORD_FIELD(HzkrRegParam, switchOnRaise), Scale::Plain, 0, 20, 0).At(at::Byte(3)),
    // A slope x 100 (5..250, else 120) or, by two flow temperatures, 20..99 deg C (else 60).
    ByHand(RECORD_FIELD(HzkrRegParam, curve), Scale::Plain, 5, 250, 120).At(at::Byte(8)),
    // By two flow temperatures only, and never above the flow temperature at -20 deg C.
    ByHand(RECORD_FIELD(HzkrRegParam, flowAtPlus10), Scale::Temperature, 20, 99, 25).At(at::Byte(7)),
    Ranged(RECORD_FIELD(HzkrRegParam, flowMax), Scale::Temperature, 0, 99, 70).At(at::Byte(9)),
    Ranged(RECORD_FIELD(HzkrRegParam, flowMin), Scale::Temperature, 0, 99, 20).At(at::Byte(10)),
    Ranged(RECORD_FIELD(HzkrRegParam, averagingControl), Scale::Duration, 0, 251, 0).At(at::Byte(12)),
    Ranged(RECORD_FIELD(HzkrRegParam, averagingOff), Scale::Duration, 0, 251, 0).At(at::Byte(13)),
    Flag(RECORD_FIELD(HzkrRegParam, offRoomAboveSetpoint)).At(at::Bit(1, 3)),
    Ranged(RECORD_FIELD(HzkrRegParam, offRoomHyst), Scale::Hysteresis, 1, 115, 80).At(at::Byte(6)),
    Flag(RECORD_FIELD(HzkrRegParam, offFlowBelowMin)).At(at::Bit(1, 4)),
    Ranged(RECORD_FIELD(HzkrRegParam, offFlowHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(11)),
    Flag(RECORD_FIELD(HzkrRegParam, offOutsideAboveMax)).At(at::Bit(1, 5)),
    Ranged(RECORD_FIELD(HzkrRegParam, offOutsideHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(15)),
    Ranged(RECORD_FIELD(HzkrRegParam, offOutsideMax), Scale::Temperature, 236, 99, 5).At(at::Byte(14)),  // -20..99
    Flag(RECORD_FIELD(HzkrRegParam, offReducedOutsideAboveMin)).At(at::Bit(1, 6)),
    Ranged(RECORD_FIELD(HzkrRegParam, offReducedHyst), Scale::Hysteresis, 5, 115, 80).At(at::Byte(17)),
    Ranged(RECORD_FIELD(HzkrRegParam, offReducedOutsideMin), Scale::Temperature, 236, 99, 5).At(at::Byte(16)),
    Flag(RECORD_FIELD(HzkrRegParam, offFlowAboveMax)).At(at::Bit(18, 7)),
    Listed(RECORD_FIELD(HzkrRegParam, mixerWhileOff), kHzkrMischerAusCodes, kHzkrMischerZu, Repair::Range)
        .At(at::Bits(18, 0, 3)),
    Ranged(RECORD_FIELD(HzkrRegParam, frostRoom), Scale::Temperature, 0, 30, 5).At(at::Byte(38)),
    Ranged(RECORD_FIELD(HzkrRegParam, frostOutside), Scale::Temperature, 236, 20, 5).At(at::Byte(39)),  // -20..20
    Flag(RECORD_FIELD(HzkrRegParam, pumpOutputs[0])).Each(16, 1).At(at::Flags(21)),
    // Any other value counts as no mixer.
    Listed(RECORD_FIELD(HzkrRegParam, mixerOutputs), kHzkrMischerAusgangCodes, kHzkrKeinMischer, Repair::None)
        .At(at::Byte(23)),
};

}  // namespace record
