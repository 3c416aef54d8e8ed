// Field tables of the solar and energy records: solar control, solar priority, PID control, heat meter, start
// function and cooling function (see FieldInfo.h).
#pragma once

#include "store/FieldInfo.h"
#include "store/KuehlfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"

namespace record {

inline constexpr FieldInfo kSolarregelungFields[] = {
    Ranged(RECORD_FIELD(SolarregelungParam, collectorMax), Scale::Temperature, 90, 200, 130),
    Ranged(RECORD_FIELD(SolarregelungParam, collectorHyst), Scale::Hysteresis, 5, 115, 80),
    Ranged(RECORD_FIELD(SolarregelungParam, referenceMax), Scale::Temperature, 0, 150, 90),
    Ranged(RECORD_FIELD(SolarregelungParam, referenceHyst), Scale::Hysteresis, 5, 115, 80),
    // The switch-off difference lies below the switch-on one.
    ByHand(RECORD_FIELD(SolarregelungParam, diffOn), Scale::Difference, 129, 127, 129),
    ByHand(RECORD_FIELD(SolarregelungParam, diffOff), Scale::Difference, 128, 126, 128),
    // Repaired only while the limit is switched off.
    ByHand(RECORD_FIELD(SolarregelungParam, limitMax), Scale::Temperature, 0, 150, 90),
    ByHand(RECORD_FIELD(SolarregelungParam, limitHyst), Scale::Hysteresis, 5, 115, 80),
    Flag(RECORD_FIELD(SolarregelungParam, outputs[0])).Each(16, 1),
};

inline constexpr FieldInfo kSolarvorrangFields[] = {
    Ranged(RECORD_FIELD(SolarvorrangParam, participantCount), Scale::Plain, 2, 10, 2),
    Ranged(RECORD_FIELD(SolarvorrangParam, activation), Scale::TimesTen, 0, 90, 20),
    Ranged(RECORD_FIELD(SolarvorrangParam, runTime), Scale::Plain, 0, 120, 20),
    Ranged(RECORD_FIELD(SolarvorrangParam, waitTime), Scale::Plain, 0, 20, 5),
    // Then never above the participant count.
    Ranged(RECORD_FIELD(SolarvorrangParam, timerFromPriority), Scale::Plain, 0, 10, 2),
    Flag(RECORD_FIELD(SolarvorrangParam, flushOutputs[0])).Each(16, 1),
    // Function number + 1 of a solar control of the same file, else 0.
    ByHand(RECORD_FIELD(SolarvorrangParam, participants[0].function), Scale::Plain, 0, 45, 0)
        .Each(10, sizeof(SolarvorrangTeilnehmer)),
    // Never above the participant count.
    ByHand(RECORD_FIELD(SolarvorrangParam, participants[0].priority), Scale::Plain, 0, 10, 0)
        .Each(10, sizeof(SolarvorrangTeilnehmer)),
};

inline constexpr FieldInfo kPidRegelungFields[] = {
    Flag(RECORD_FIELD(PID_RegelungParam, eventBelow)),
    Ranged(RECORD_FIELD(PID_RegelungParam, diffSetpoint), Scale::Hysteresis, 0, 189, 80),
    // The constants count only while their source is none.
    ByHand(RECORD_FIELD(PID_RegelungParam, absSetpoint.number), Scale::Temperature, 0, 200, 60),
    ByHand(RECORD_FIELD(PID_RegelungParam, eventThreshold.number), Scale::Temperature, 0, 200, 60),
    ByHand(RECORD_FIELD(PID_RegelungParam, eventSetpoint.number), Scale::Temperature, 0, 200, 60),
    Ranged(RECORD_FIELD(PID_RegelungParam, outputMax), Scale::Plain, 0, 100, 30),
    Ranged(RECORD_FIELD(PID_RegelungParam, outputMin), Scale::Plain, 0, 100, 0),
    Ranged(RECORD_FIELD(PID_RegelungParam, p), Scale::Plain, 1, 100, 5),
    Ranged(RECORD_FIELD(PID_RegelungParam, i), Scale::Plain, 0, 100, 5),
    Ranged(RECORD_FIELD(PID_RegelungParam, d), Scale::Plain, 0, 10, 5),
    Flag(RECORD_FIELD(PID_RegelungParam, outputs[0])).Each(6, 1),
};

inline constexpr FieldInfo kWmzFields[] = {
    // With both temperatures the frost-protection share 0..100 (else 0), otherwise the factor 1..100 (else 1).
    ByHand(RECORD_FIELD(WMZParam, factor), Scale::Plain, 0, 100, 0),
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

inline constexpr FieldInfo kStartfuncFields[] = {
    Ranged(RECORD_FIELD(StartfuncParam, solarCount), Scale::Plain, 1, 10, 2),
    Ranged(RECORD_FIELD(StartfuncParam, runTime), Scale::Plain, 0, 240, 5),
    Ranged(RECORD_FIELD(StartfuncParam, interval), Scale::Plain, 0, 120, 10),
    Ranged(RECORD_FIELD(StartfuncParam, windowStart), Scale::TimeOfDay, 0, 143, 42),
    Ranged(RECORD_FIELD(StartfuncParam, windowEnd), Scale::TimeOfDay, 0, 143, 48),
    // 0..90 (10 W/m2) with a radiation sensor, 0..99 without.
    ByHand(RECORD_FIELD(StartfuncParam, activation), Scale::Plain, 0, 99, 20),
    Flag(RECORD_FIELD(StartfuncParam, flushOutputs[0])).Each(16, 1),
    // Function number + 1 of a solar control of the same file, else 0.
    ByHand(RECORD_FIELD(StartfuncParam, solarControls[0]), Scale::Plain, 0, 45, 0).Each(10, 1),
};

inline constexpr FieldInfo kKuehlfuncFields[] = {
    Ranged(RECORD_FIELD(KuehlfuncParam, windowStart), Scale::TimeOfDay, 0, 143, 42),
    Ranged(RECORD_FIELD(KuehlfuncParam, windowEnd), Scale::TimeOfDay, 0, 143, 48),
    ByHand(RECORD_FIELD(KuehlfuncParam, referenceMax.number), Scale::Temperature, 0, 99, 60),
    ByHand(RECORD_FIELD(KuehlfuncParam, diffOn), Scale::Difference, 129, 127, 129),
    ByHand(RECORD_FIELD(KuehlfuncParam, diffOff), Scale::Difference, 128, 126, 128),
    Ranged(RECORD_FIELD(KuehlfuncParam, magnitude), Scale::Plain, 0, 100, 30),
    Flag(RECORD_FIELD(KuehlfuncParam, coolingOutputs[0])).Each(16, 1),
    Flag(RECORD_FIELD(KuehlfuncParam, controlledOutputs[0])).Each(6, 1),
};

}  // namespace record
