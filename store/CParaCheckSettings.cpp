// CParaCheck: repair of the controller settings.
#include "store/CParaCheck.h"

#include "store/IniWerte.h"

void CParaCheck::CheckRegler(ReglerEinstellungen& r)
{
    if (r.contrast < 30 || r.contrast > 50)
        r.contrast = 44;
    if (r.brightness > 10)
        r.brightness = 10;
    if (r.lightOff > 15)
        r.lightOff = 0;
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
