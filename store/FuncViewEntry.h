// One decoded entry of the function overview list, the ordered list of parameters that the controller's display
// shows in its function overview, grouped under group headers.
#pragma once

#include "platform/Types.h"

struct FuncViewEntry {
    // Entry kinds; stored as the first byte of an entry.
    enum : BYTE {
        kUserA = 1,       // parameter that user level A may change
        kTechniker = 2,   // specialist level ("Tecnico")
        kExperte = 3,     // expert level ("Esperto")
        kGruppe = 6,      // group header
        kUserB = 7,
        kUserC = 8,
        kEnde = 0xFF,     // end of the list
    };
    // Groups.
    enum : BYTE { kGruppeUser = 0, kGruppeEingaenge = 1, kGruppeAusgaenge = 2, kGruppeFunc0 = 3 };

    BYTE kind = kEnde;
    BYTE group = 0xFF;   // 0 user settings, 1 inputs, 2 outputs, 3..46 the function whose number is group - 3
    BYTE param = 0xFF;   // parameter index within the group; 0 for a header
};
static_assert(sizeof(FuncViewEntry) == 3);
static_assert(FuncViewEntry::kGruppe == 6 && FuncViewEntry::kUserC == 8 && FuncViewEntry::kEnde == 0xFF);
