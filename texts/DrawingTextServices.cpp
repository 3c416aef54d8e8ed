// The drawing layer's text questions answered by the text service.
#include "texts/DrawingTextServices.h"

#include "texts/CTexte.h"

CString DrawingTextServices::GetObjektArtText(const CString& kind)
{
    return CTexte().GetObjektArtText(kind);
}

CString DrawingTextServices::GetPinText(const CString& kind, const CString& pinName)
{
    return CTexte().GetPinText(kind, pinName);
}

int DrawingTextServices::GetAusgangVariableNr(const CString& kind, const CString& pinName)
{
    return CTexte().GetAusgangVariableNr(kind, pinName);
}

void DrawingTextServices::WriteProtokoll(int code, const CString& text)
{
    CTexte().WriteProtokoll(code, text);
}
