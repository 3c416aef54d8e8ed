// CParaCheck: repair of a message record.
#include "store/CParaCheck.h"

#include "store/MeldungParam.h"

#include <initializer_list>

void CParaCheck::CheckMeldung(MeldungParam& r, BYTE keepLowBit)
{
    record::RepairRanges(r, record::kMeldungFields);
    // Group 0: the 11 standard causes; group 1: the 16 user-defined designations. One past the list is none.
    const BYTE count = r.group == 1 ? 16 : 11;
    if (r.index < 1 || r.index > count) {
        r.index = static_cast<BYTE>(count + 1);
        r.digit = 0;
    }
    // The inverted flags and the output flags are not repaired: decoding limits them to 0 and 1.
    for (DigitalQuelle* source : {&r.release, &r.activate, &r.cancel})
        CheckDigitalQuelle(&source->kind, keepLowBit);
}
