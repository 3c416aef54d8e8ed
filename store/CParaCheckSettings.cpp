// CParaCheck: repair of the controller settings.
#include "store/CParaCheck.h"

#include "store/IniWerte.h"
#include "store/PlantFields.h"

void CParaCheck::CheckRegler(ReglerEinstellungen& r)
{
    record::RepairRanges(r, record::kReglerFields);
    bool bad = false;
    for (BYTE digit : r.expertCode)
        bad = bad || digit > 9;
    if (bad) {
        int code = kDefaultExpertenKennzahl;
        for (BYTE& digit : r.expertCode) {
            digit = static_cast<BYTE>(code % 10);
            code /= 10;
        }
    }
}
