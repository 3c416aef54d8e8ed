// FunktionsListe: the functions of some types in a parameter set, with their reference values and designations,
// as the forms offer them in a combo box whose first item stands for no function.
#pragma once

#include "texttables/EinstellungsEintrag.h"

struct FunktionsListe {
    static constexpr int kEntryCount = 45;  // entry 0 and one per function slot

    // Functions found by the last builder (0 to 44); entries 1 to count hold them in slot order. Entries above
    // count keep whatever they held and are never searched.
    BYTE count = 0;
    // Entry 0 is (0, "- - - - - - -") once a builder has run.
    EinstellungsEintrag entries[kEntryCount];
};
