// CParaCheck: source kinds, flags, designations and digital source triples.
#include "store/CParaCheck.h"

#include "texttables/StandardDesignations.h"

namespace {

// The mask bit that forbids a kind; 0 for a kind outside the list.
DWORD KindBit(BYTE kind)
{
    if (kind == 0)
        return CParaCheck::kForbidNone;
    if (kind == 1)
        return CParaCheck::kForbidEingang;
    if (kind == 2)
        return CParaCheck::kForbidAusgang;
    if (kind >= 3 && kind <= 46)
        return CParaCheck::kForbidFuncOutput;
    switch (kind) {
    case 96:
        return CParaCheck::kForbidNetzStatus;
    case 97:
        return CParaCheck::kForbidSensorStatus;
    case 98:
        return CParaCheck::kForbidMeldung;
    case 99:
        return CParaCheck::kForbidNetzEingang;
    default:
        return 0;
    }
}

}  // namespace

void CParaCheck::CheckQuelle(BYTE* kind, DWORD forbidden, BYTE replacement)
{
    const DWORD bit = KindBit(*kind);
    if (bit == 0 || (forbidden != 0 && (forbidden == kForbidAll || (forbidden & bit))))
        *kind = replacement;
}

void CParaCheck::CheckFlag(BYTE* flag, BYTE keepLowBit)
{
    if (*flag > 1)
        *flag = keepLowBit ? (*flag & 1) : 1;
}

void CParaCheck::CheckBezeichnung(BYTE* designation, BYTE standardCount)
{
    BYTE& group = designation[0];
    BYTE& index = designation[1];
    BYTE& digit = designation[2];
    const bool outside = group == 0 ? (index < 1 || index > standardCount) : index > 15;
    if (outside) {
        index = 0;
        digit = 0;
    }
    if (digit > 9)
        digit = 0;
}

void CParaCheck::CheckFuncBezeichnung(BYTE* designation, int typeCode)
{
    CheckBezeichnung(designation, texts::StandardDesignationCountOfType(typeCode));
}

void CParaCheck::CheckDigitalQuelle(BYTE* triple, BYTE keepLowBit)
{
    CheckQuelle(&triple[0], 0, 0);
    if (triple[0] == 0)
        CheckFlag(&triple[2], keepLowBit);
}
