// CTexte: display names of object kinds, pin texts, function types and their output variables.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "texttables/StandardDesignations.h"

#include <cstring>
#include <span>

CString CTexte::GetObjektArtText(const CString& kind) const
{
    if (const texts::FunctionTypeInfo* type = texts::FindFunctionType(kind.GetString()))
        return type->kindText;
    for (const ui::KindText& row : ui::kObjectKindTexts) {
        if (kind == row.kind)
            return row.text;
    }
    return CString();
}

CString CTexte::GetPinText(const CString& kind, const CString& pin) const
{
    // The same pin name has different texts in different kinds: the kind chooses the list.
    std::span<const ui::PinText> rows;
    if (const texts::FunctionTypeInfo* type = texts::FindFunctionType(kind.GetString()))
        rows = {type->pinTexts, type->pinTextCount};
    else if (kind == "Meldung")
        rows = ui::pin_texts::kMeldung;
    for (const ui::PinText& row : rows) {
        if (pin == row.pin)
            return row.text;
    }
    return CString();
}

CString CTexte::GetFunktionsArt(BYTE typeCode) const
{
    return texts::FunctionKindName(typeCode);
}

CString CTexte::GetFunktionsArtText(BYTE typeCode) const
{
    return GetFunktionsArt(typeCode);
}

int CTexte::GetAusgangVariableAnzahl(int typeCode) const
{
    const texts::FunctionTypeInfo* type = texts::FindFunctionType(typeCode);
    return type ? type->outputCount : 0;
}

BYTE CTexte::GetAusgangVariableNr(const CString& kind, const CString& pin) const
{
    const texts::FunctionTypeInfo* type = texts::FindFunctionType(kind.GetString());
    if (!type)
        return 0;
    for (int i = 0; i < type->outputNameCount; ++i) {
        const char* carrier = type->outputPins[i];
        if (carrier && pin == carrier)
            return static_cast<BYTE>(i + 1);
    }
    return 0;
}

CString CTexte::GetAusgangVariableText(BYTE typeCode, BYTE nr) const
{
    // The short names go beyond the count where a variable has no pin (the requests' "off" variables).
    const texts::FunctionTypeInfo* type = texts::FindFunctionType(typeCode);
    if (!type || nr < 1 || nr > type->outputNameCount)
        return ui::kNoOutputVariable;
    return type->outputNames[nr - 1];
}
