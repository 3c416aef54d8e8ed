// The decoded record of a timer function (function type 14, "Timerfunktion"): pulse, integration, delay, minimum run,
// blocking or astable timer driving outputs with its output and with the inverted output.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

#include <cstddef>
#include <cstdint>

// The mode (bits 0..4 of modeWord).
enum TimerModus : BYTE {
    kTimerImpuls = 0,         // "Impulsi"
    kTimerIntegration = 1,    // "Tempo Integr"
    kTimerVerzoegerung = 2,   // "Ritardo"
    kTimerMindestlauf = 3,    // "Tempo Min Fnz"
    kTimerSperrzeit = 4,      // "Tempo Blocco"
    kTimerAstabil = 5,        // "Instabile"
};
static_assert(kTimerImpuls == 0 && kTimerSperrzeit == 4 && kTimerAstabil == 5);

// The edge that starts a pulse (bits 0..1 of edgeWord).
enum TimerFlanke : BYTE { kFlankeBeide = 0, kFlankePositiv = 1, kFlankeNegativ = 2 };
static_assert(kFlankeBeide == 0 && kFlankePositiv == 1 && kFlankeNegativ == 2);

struct TimerParam {
    // Masks of the stored bits in the two words; the other bits are the caller's and are never stored.
    static constexpr std::uint32_t kEdgeMask = 0x03;
    static constexpr std::uint32_t kModeMask = 0x1F;

    Bezeichnung designation;     // 0..2; 6 standard designations
    BYTE number = 0;             // 3: the function's own number
    DigitalQuelle release;       // 4..6: "RILASCIO TIMER"
    BYTE unused7 = 0;            // 7
    std::uint32_t edgeWord = 0;  // 8..11: bits 0..1 TimerFlanke ("Fianco"), mode kTimerImpuls only
    BYTE retrigger = 0;          // 12: "retriggere" 1 yes, modes 0..4
    BYTE unused13[3] = {};       // 13..15
    std::uint32_t modeWord = 0;  // 16..19: bits 0..4 TimerModus ("MODO")
    BYTE time = 0;               // 20: "TEMPO IMP.", time byte; the on-time in kTimerAstabil
    BYTE offTime = 0;            // 21: off-time of kTimerAstabil, time byte
    DigitalQuelle trigger;       // 22..24: "ENTRATA TRIGGER"
    Quelle duty;                 // 25, 26: "PROPORZIONE TASTI"; with kind 0 the number is the duty in percent
    BYTE output[16] = {};        // 27..42: "Uscita TIMER" drives output n + 1
    BYTE inverted[16] = {};      // 43..58: "Uscita INV." drives output n + 1
    BYTE unused59 = 0;           // 59
};
static_assert(offsetof(TimerParam, edgeWord) == 8 && offsetof(TimerParam, retrigger) == 12 &&
              offsetof(TimerParam, modeWord) == 16 && offsetof(TimerParam, trigger) == 22 &&
              offsetof(TimerParam, duty) == 25 && offsetof(TimerParam, output) == 27 &&
              offsetof(TimerParam, inverted) == 43 && sizeof(TimerParam) == 60,
              "the codec's own rows state decoded positions as numbers");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kTimerFields[] = {
    // The constant duty counts only while its source is none.
    ByHand(RECORD_FIELD(TimerParam, duty.number), Scale::Plain, 0, 100, 100),
    Flag(RECORD_FIELD(TimerParam, retrigger)).At(at::Bit(1, 2)),
    Ranged(RECORD_FIELD(TimerParam, time), Scale::Duration, 0, 251, 0).At(at::Byte(0)),
    Ranged(RECORD_FIELD(TimerParam, offTime), Scale::Duration, 0, 251, 0).At(at::Byte(10)),
    Flag(RECORD_FIELD(TimerParam, output[0])).Each(16, 1).At(at::Flags(2)),
    Flag(RECORD_FIELD(TimerParam, inverted[0])).Each(16, 1).At(at::Flags(4)),
};

}  // namespace record
