// Field tables of the heating records: heating-circuit controller, heating and hot-water request, charge pump and
// circulation (see FieldInfo.h). Sources and the designation are described by their own types and have no rows.
#pragma once

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/FieldInfo.h"
#include "store/HzkrRegParam.h"
#include "store/LadepumpeParam.h"
#include "store/ZirkulationParam.h"

namespace record {

// Codes shared by several tables.
inline constexpr BYTE kNoYesCodes[] = {0, 1};

// The control fields of the time-program block; CParaCheck::CheckZeitprogramm repairs them.
#define TIME_PROGRAM_CONTROL_FIELDS(Record, smallestProgramCount)                                                   \
    ByHand(RECORD_FIELD(Record, windowsPerProgram), Scale::Plain, 1, 3, 2),                                         \
        ByHand(RECORD_FIELD(Record, programsInUse), Scale::Plain, smallestProgramCount, kZeitprogramme,             \
               smallestProgramCount),                                                                               \
        Flag(RECORD_FIELD(Record, windowSetpoints))

inline constexpr BYTE kHzkrModusCodes[] = {kHzkrStandby, kHzkrAuto, kHzkrNormal, kHzkrAbgesenkt};
inline constexpr BYTE kHzkrMischerAusCodes[] = {kHzkrMischerAuf, kHzkrMischerZu, kHzkrMischerRegeln,
                                                kHzkrMischerLassen};
inline constexpr BYTE kHzkrMischerAusgangCodes[] = {kHzkrKeinMischer, kHzkrMischer3, kHzkrMischer8, kHzkrMischer10,
                                                    kHzkrMischer12};

inline constexpr FieldInfo kHzkrRegFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(HzkrRegParam, 0),
    Listed(RECORD_FIELD(HzkrRegParam, mode), kHzkrModusCodes, kHzkrAuto, Repair::Range),
    Ranged(RECORD_FIELD(HzkrRegParam, roomNormal), Scale::Temperature, 0, 45, 20),
    Ranged(RECORD_FIELD(HzkrRegParam, roomReduced), Scale::Temperature, 0, 45, 17),
    Ranged(RECORD_FIELD(HzkrRegParam, advanceTime), Scale::Plain, 0, 240, 0),
    Listed(RECORD_FIELD(HzkrRegParam, byOutsideTemp), kNoYesCodes, 1, Repair::Range),
    // 0 whenever the control is by a fixed value.
    Listed(RECORD_FIELD(HzkrRegParam, curveBySlope), kNoYesCodes, 0, Repair::Hand),
    Ranged(RECORD_FIELD(HzkrRegParam, roomInfluence), Scale::Plain, 0, 90, 0),
    Ranged(RECORD_FIELD(HzkrRegParam, switchOnRaise), Scale::Plain, 0, 20, 0),
    // A slope x 100 (5..250, else 120) or, by two flow temperatures, 20..99 deg C (else 60).
    ByHand(RECORD_FIELD(HzkrRegParam, curve), Scale::Plain, 5, 250, 120),
    // By two flow temperatures only, and never above the flow temperature at -20 deg C.
    ByHand(RECORD_FIELD(HzkrRegParam, flowAtPlus10), Scale::Temperature, 20, 99, 25),
    Ranged(RECORD_FIELD(HzkrRegParam, flowMax), Scale::Temperature, 0, 99, 70),
    Ranged(RECORD_FIELD(HzkrRegParam, flowMin), Scale::Temperature, 0, 99, 20),
    Ranged(RECORD_FIELD(HzkrRegParam, averagingControl), Scale::Duration, 0, 251, 0),
    Ranged(RECORD_FIELD(HzkrRegParam, averagingOff), Scale::Duration, 0, 251, 0),
    Flag(RECORD_FIELD(HzkrRegParam, offRoomAboveSetpoint)),
    Ranged(RECORD_FIELD(HzkrRegParam, offRoomHyst), Scale::Hysteresis, 1, 115, 80),
    Flag(RECORD_FIELD(HzkrRegParam, offFlowBelowMin)),
    Ranged(RECORD_FIELD(HzkrRegParam, offFlowHyst), Scale::Hysteresis, 5, 115, 80),
    Flag(RECORD_FIELD(HzkrRegParam, offOutsideAboveMax)),
    Ranged(RECORD_FIELD(HzkrRegParam, offOutsideHyst), Scale::Hysteresis, 5, 115, 80),
    Ranged(RECORD_FIELD(HzkrRegParam, offOutsideMax), Scale::Temperature, 236, 99, 5),  // -20..99 deg C
    Flag(RECORD_FIELD(HzkrRegParam, offReducedOutsideAboveMin)),
    Ranged(RECORD_FIELD(HzkrRegParam, offReducedHyst), Scale::Hysteresis, 5, 115, 80),
    Ranged(RECORD_FIELD(HzkrRegParam, offReducedOutsideMin), Scale::Temperature, 236, 99, 5),
    Flag(RECORD_FIELD(HzkrRegParam, offFlowAboveMax)),
    Listed(RECORD_FIELD(HzkrRegParam, mixerWhileOff), kHzkrMischerAusCodes, kHzkrMischerZu, Repair::Range),
    Ranged(RECORD_FIELD(HzkrRegParam, frostRoom), Scale::Temperature, 0, 30, 5),
    Ranged(RECORD_FIELD(HzkrRegParam, frostOutside), Scale::Temperature, 236, 20, 5),  // -20..20 deg C
    Flag(RECORD_FIELD(HzkrRegParam, pumpOutputs[0])).Each(16, 1),
    // Any other value counts as no mixer.
    Listed(RECORD_FIELD(HzkrRegParam, mixerOutputs), kHzkrMischerAusgangCodes, kHzkrKeinMischer, Repair::None),
};

inline constexpr FieldInfo kAnfHeizungFields[] = {
    // Switch-on 85 K leaves no room above it for the switch-off difference.
    ByHand(RECORD_FIELD(AnfHeizungParam, diffOn), Scale::Difference, 128, 126, 126),
    // Above the switch-on difference without a switch-off temperature, else below 85 K.
    ByHand(RECORD_FIELD(AnfHeizungParam, diffOff), Scale::Difference, 129, 127, 126),
    // The fixed setpoints count only while their source is none.
    ByHand(RECORD_FIELD(AnfHeizungParam, demandSetpoint.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(AnfHeizungParam, offSetpoint.number), Scale::Temperature, 0, 99, 60),
    Ranged(RECORD_FIELD(AnfHeizungParam, minDemandTemp), Scale::Temperature, 0, 99, 50),
    Ranged(RECORD_FIELD(AnfHeizungParam, eco), Scale::Plain, 0, 50, 0),
    Ranged(RECORD_FIELD(AnfHeizungParam, minBurnerRun), Scale::Duration, 0, 191, 0),
    Flag(RECORD_FIELD(AnfHeizungParam, outputs[0])).Each(16, 1),
};

inline constexpr FieldInfo kAnfWarmwasserFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(AnfWarmwasserParam, 0),
    Ranged(RECORD_FIELD(AnfWarmwasserParam, minTemp), Scale::Temperature, 0, 99, 40),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, diffOn), Scale::Difference, 128, 126, 126),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, diffOff), Scale::Difference, 129, 127, 127),
    Ranged(RECORD_FIELD(AnfWarmwasserParam, burnerPower), Scale::Plain, 20, 127, 80),
    ByHand(RECORD_FIELD(AnfWarmwasserParam, setpoint.number), Scale::Temperature, 0, 99, 60),
    Flag(RECORD_FIELD(AnfWarmwasserParam, outputs[0])).Each(16, 1),
    Flag(RECORD_FIELD(AnfWarmwasserParam, burnerOutputs[0])).Each(6, 1),
};

inline constexpr FieldInfo kLadepumpeFields[] = {
    // Source above its minimum and above the reference: the switch-off difference lies below the switch-on one;
    // the reference below its maximum: above it.
    ByHand(RECORD_FIELD(LadepumpeParam, minDiffOn), Scale::Difference, 129, 127, 129),
    ByHand(RECORD_FIELD(LadepumpeParam, minDiffOff), Scale::Difference, 128, 126, 128),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceMin.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(LadepumpeParam, maxDiffOn), Scale::Difference, 128, 126, 126),
    ByHand(RECORD_FIELD(LadepumpeParam, maxDiffOff), Scale::Difference, 129, 127, 127),
    ByHand(RECORD_FIELD(LadepumpeParam, referenceMax.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceDiffOn), Scale::Difference, 129, 127, 129),
    ByHand(RECORD_FIELD(LadepumpeParam, sourceDiffOff), Scale::Difference, 128, 126, 128),
    Flag(RECORD_FIELD(LadepumpeParam, outputs[0])).Each(16, 1),
};

inline constexpr BYTE kZirkulationModusCodes[] = {kZirkulationZeit, kZirkulationPulse, kZirkulationZeitPulse};

inline constexpr FieldInfo kZirkulationFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(ZirkulationParam, 0),
    // The pulse modes also need the hot-water temperature.
    Listed(RECORD_FIELD(ZirkulationParam, mode), kZirkulationModusCodes, kZirkulationZeit, Repair::Range),
    ByHand(RECORD_FIELD(ZirkulationParam, diffOn), Scale::Difference, 128, 126, 126),
    ByHand(RECORD_FIELD(ZirkulationParam, diffOff), Scale::Difference, 129, 127, 127),
    Ranged(RECORD_FIELD(ZirkulationParam, tapRise), Scale::Tenths, 0, 100, 80),
    Ranged(RECORD_FIELD(ZirkulationParam, runTime), Scale::Duration, 0, 127, 0),
    Ranged(RECORD_FIELD(ZirkulationParam, pause), Scale::Plain, 0, 120, 20),
    Ranged(RECORD_FIELD(ZirkulationParam, mixingDiff), Scale::Difference, 129, 125, 60),  // -85..75 K
    Ranged(RECORD_FIELD(ZirkulationParam, mixingStoreMin), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(ZirkulationParam, setpoint.number), Scale::Temperature, 0, 99, 60),
    Flag(RECORD_FIELD(ZirkulationParam, outputs[0])).Each(16, 1),
};

}  // namespace record
