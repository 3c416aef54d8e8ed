// CParaCheck: the block of five time programs with its control fields.
#include "store/CParaCheck.h"

#include "store/Zeitprogramm.h"

void CParaCheck::CheckZeitprogramm(BYTE smallest, BYTE* programs, BYTE* windows, Zeitprogramm* block)
{
    if (*programs < smallest || *programs > kZeitprogramme)
        *programs = smallest;
    if (*windows < 1 || *windows > 3)
        *windows = 2;
    // Programs and windows beyond the counts in use are stored all the same, so they are repaired as well.
    for (int j = 0; j < kZeitprogramme; ++j)
        for (Zeitfenster& w : block[j].windows)
            record::RepairRanges(w, record::kZeitfensterFields);
}
