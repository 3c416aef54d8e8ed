// The decoded record of a solar priority (function type 7, "Solarvorrang"): orders up to 10 solar controls by
// priority and drives a follow-up timer from a radiation sensor.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>

struct SolarvorrangTeilnehmer {
    BYTE function = 0;  // function number + 1 of a solar control; 0 none
    BYTE priority = 0;  // 0..participant count
};

struct SolarvorrangParam {
    Bezeichnung designation;       // 0..2; 1 standard designation ("PRIO.SOL.")
    BYTE number = 0;               // 3: the function's own number
    DigitalQuelle release;         // 4..6: "RILASCIO PREC SOL"
    BYTE participantCount = 0;     // 7: participating solar controls, 2..10
    Quelle radiation;              // 8, 9: "IRRAD.SOL."; kind 0 none
    BYTE activation = 0;           // 10: "Val Attiv:", 10 W/m2, 0..90; shown only with a radiation sensor
    BYTE runTime = 0;              // 11: "Decorrenza:", minutes, 0..120
    BYTE waitTime = 0;             // 12: "Tpo Aspet:", minutes, 0..20
    BYTE timerFromPriority = 0;    // 13: "da Precedenza:", 0..participantCount
    BYTE flushOutputs[16] = {};    // 14..29: outputs 1..16 of the flushing ("LAVAGGIO"), 1 = yes
    SolarvorrangTeilnehmer participants[10];  // 30..49
};
static_assert(sizeof(SolarvorrangTeilnehmer) == 2);
static_assert(offsetof(SolarvorrangParam, release) == 4 && offsetof(SolarvorrangParam, radiation) == 8 &&
              offsetof(SolarvorrangParam, timerFromPriority) == 13 && offsetof(SolarvorrangParam, flushOutputs) == 14 &&
              offsetof(SolarvorrangParam, participants) == 30 && sizeof(SolarvorrangParam) == 50,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h). Participant j and its priority are stored in bytes 64 + 2j and 65 + 2j.
inline constexpr FieldInfo kSolarvorrangFields[] = {
    Ranged(RECORD_FIELD(SolarvorrangParam, participantCount), Scale::Plain, 2, 10, 2).At(at::Byte(0)),
    Ranged(RECORD_FIELD(SolarvorrangParam, activation), Scale::TimesTen, 0, 90, 20).At(at::Byte(1)),
    Ranged(RECORD_FIELD(SolarvorrangParam, runTime), Scale::Plain, 0, 120, 20).At(at::Byte(2)),
    Ranged(RECORD_FIELD(SolarvorrangParam, waitTime), Scale::Plain, 0, 20, 5).At(at::Byte(3)),
    // Then never above the participant count.
    Ranged(RECORD_FIELD(SolarvorrangParam, timerFromPriority), Scale::Plain, 0, 10, 2).At(at::Byte(4)),
    Flag(RECORD_FIELD(SolarvorrangParam, flushOutputs[0])).Each(16, 1).At(at::Flags(5)),
    // Function number + 1 of a solar control of the same file, else 0.
    ByHand(RECORD_FIELD(SolarvorrangParam, participants[0].function), Scale::Plain, 0, 45, 0)
        .Each(10, sizeof(SolarvorrangTeilnehmer))
        .At(at::Byte(64), 2),
    // Never above the participant count.
    ByHand(RECORD_FIELD(SolarvorrangParam, participants[0].priority), Scale::Plain, 0, 10, 0)
        .Each(10, sizeof(SolarvorrangTeilnehmer))
        .At(at::Byte(65), 2),
};

}  // namespace record
