// The decoded record of one message: type, cause, alarm sound, three digital sources and four sets of output flags.
// Stored in 16 bytes of area 0 per message slot.
#pragma once

#include "platform/Types.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"
#include "store/SharedCodes.h"

// Message types (field type), stored in bits 0..4 of byte 13.
enum MeldungTyp : BYTE {
    kMeldungUnbenutzt = 0,  // "inutilliz."
    kMeldungFehler = 1,     // "ERRORE"
    kMeldungWarnung = 2,    // "AVVISO"
    kMeldungProblem = 3,    // "PROBLEMA"
    kMeldungNachricht = 4,  // "MESSAGGIO"
};
static_assert(kMeldungNachricht == 4);

struct MeldungParam {
    BYTE type = 0;         // 0: MeldungTyp
    BYTE group = 0;        // 1: cause group: 0 the 11 standard causes, 1 the user-defined designations
    BYTE index = 0;        // 2: cause index, 1-based (12 or 17 none)
    BYTE digit = 0;        // 3: cause number 0..9
    BYTE alarm = 0;        // 4: alarm sound, 1 = on
    DigitalQuelle release = {};   // 5..7: "RILASCIO MESSAG."
    DigitalQuelle activate = {};  // 8..10: "ATTIVARE MESSAG."
    DigitalQuelle cancel = {};    // 11..13: "CANCEL MESSAG."
    BYTE normalOn[16] = {};      // 14..29: "normale ON" flags of outputs 1..16
    BYTE dominantOn[16] = {};    // 30..45: "dominante ON"
    BYTE dominantOff[16] = {};   // 46..61: "dominante OFF"
    BYTE errorRelease[16] = {};  // 62..77: "Rilascio Errore?"
};
static_assert(sizeof(MeldungParam) == 78, "field positions 0..77 are used by number");

// The stored record of a new message: type unused, release held on, everything else off.
constexpr BYTE kNeueMeldung[16] = {0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

namespace record {

inline constexpr BYTE kMeldungTypCodes[] = {kMeldungUnbenutzt, kMeldungFehler, kMeldungWarnung, kMeldungProblem,
                                            kMeldungNachricht};

// Field table (see FieldInfo.h). Stored byte 12, the cause designation, is converted by hand.
inline constexpr FieldInfo kMeldungFields[] = {
    Listed(RECORD_FIELD(MeldungParam, type), kMeldungTypCodes, kMeldungUnbenutzt, Repair::Range).At(at::Bits(13, 0, 5)),
    Listed(RECORD_FIELD(MeldungParam, group), kNoYesCodes, 0, Repair::Range).At(at::Bits(13, 5, 2)),
    // 1..11 standard causes (group 0) or 1..16 user-defined designations (group 1); one past the list is none.
    ByHand(RECORD_FIELD(MeldungParam, index), Scale::Plain, 1, 17, 12),
    Ranged(RECORD_FIELD(MeldungParam, digit), Scale::Plain, 0, 9, 0),
    Flag(RECORD_FIELD(MeldungParam, alarm)).At(at::Bit(13, 7)),
    Flag(RECORD_FIELD(MeldungParam, normalOn[0])).Each(16, 1).At(at::Flags(6)),
    Flag(RECORD_FIELD(MeldungParam, dominantOn[0])).Each(16, 1).At(at::Flags(8)),
    Flag(RECORD_FIELD(MeldungParam, dominantOff[0])).Each(16, 1).At(at::Flags(10)),
    Flag(RECORD_FIELD(MeldungParam, errorRelease[0])).Each(16, 1).At(at::Flags(14)),
};

}  // namespace record
