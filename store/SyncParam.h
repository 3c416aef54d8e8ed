// The decoded record of a synchronisation (function type 21, "Synchronisation"): up to five windows within an hour,
// day, month or year, repeated or once, driving an output list while a window is active.
#pragma once

#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/DigitalQuelle.h"
#include "store/FieldInfo.h"

#include <cstddef>

// The period the windows lie in (field 8), stored in 4 bits.
enum SyncModus : BYTE { kSyncStunde = 0, kSyncTag = 1, kSyncMonat = 2, kSyncJahr = 3 };
static_assert(kSyncStunde == 0 && kSyncTag == 1 && kSyncMonat == 2 && kSyncJahr == 3);

struct SyncParam {
    // One window; which bytes count depends on the mode.
    struct Fenster {
        BYTE startMajor = 0;  // kSyncTag: start hour 0..23; kSyncMonat, kSyncJahr: start day 1..31
        BYTE startMinor = 0;  // kSyncStunde, kSyncTag: start minute 0..59; kSyncJahr: start month 1..12
        BYTE endMajor = 0;    // as startMajor, for the end
        BYTE endMinor = 0;    // as startMinor, for the end
    };

    Bezeichnung designation;  // 0..2; 3 standard designations
    BYTE number = 0;          // 3: the function's own number
    DigitalQuelle release;    // 4..6: "RILASCIO SINCR."
    BYTE windowCount = 0;     // 7: windows in use 1..5 (3 bits stored)
    BYTE mode = 0;            // 8: SyncModus ("Ora", "Giorno", "Mese", "Anno")
    BYTE once = 0;            // 9: 0 "ciciclo" every period, 1 "unico" once
    BYTE outputs[16] = {};    // 10..25: "COND.TPO.RISPET." drives output n + 1
    Fenster windows[5];       // 26..45
};
static_assert(sizeof(SyncParam::Fenster) == 4);
static_assert(offsetof(SyncParam, outputs) == 10 && offsetof(SyncParam, windows) == 26 && sizeof(SyncParam) == 46,
              "the codec's own rows state decoded positions as numbers");

namespace record {

inline constexpr BYTE kSyncModusCodes[] = {kSyncStunde, kSyncTag, kSyncMonat, kSyncJahr};

// Field table (see FieldInfo.h). The sync windows follow the mode and have no row: their rules stay with the
// repair.
inline constexpr FieldInfo kSyncFields[] = {
    Ranged(RECORD_FIELD(SyncParam, windowCount), Scale::Plain, 1, 5, 1).At(at::Bits(0, 0, 3)),
    Listed(RECORD_FIELD(SyncParam, mode), kSyncModusCodes, kSyncStunde, Repair::Range).At(at::Bits(0, 4, 4)),
    Flag(RECORD_FIELD(SyncParam, once)).At(at::Bit(0, 3)),
};

}  // namespace record
