// CTexte: standard designations of the function kinds and the designations shown in forms and in the drawing.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/ImageLayout.h"
#include "texttables/BezeichnungsTexte.h"
#include "texttables/StandardDesignations.h"

namespace {

// Digits 1 to 9 follow a designation directly; 0 and anything above 9 show nothing.
void AppendDigit(CString& text, BYTE digit)
{
    if (digit >= 1 && digit <= 9)
        text += static_cast<char>('0' + digit);
}

}  // namespace

BYTE CTexte::GetStandardBezAnzahl(const CString& kind) const
{
    return texts::StandardDesignationCount(kind.GetString());
}

CString CTexte::GetStandardBezeichnung(const CString& kind, BYTE index, BYTE digit) const
{
    const texts::FunctionTypeInfo* type = texts::FindFunctionType(kind.GetString());
    if (!type)
        return ui::kNoDesignation;
    if (index == 0 || index > type->standardCount)
        return g_BezeichnungsTexte[type->headEntry];
    CString text = type->standardNames[index - 1];
    AppendDigit(text, digit);
    return text;
}

CString CTexte::GetBezeichnung(int file, const CString& kind, const Bezeichnung& designation) const
{
    if (designation.group == 0)
        return GetStandardBezeichnung(kind, designation.index, designation.digit);
    // A decoded code never names more than 16; a record's bytes might, and there is no such designation.
    if (designation.index >= layout::kUserBezeichnungen)
        return ui::kNoDesignation;
    CParaDaten para;
    CString text = para.GetUserBezeichnung(file, static_cast<BYTE>(designation.index + 1));
    AppendDigit(text, designation.digit);
    return text;
}

CString CTexte::GetBezeichnungText(int file, const CString& kind, const Bezeichnung& designation) const
{
    CString text = GetBezeichnung(file, kind, designation);
    if (text == ui::kNoDesignation)
        text = ui::kNoDesignationFunction;
    return "  " + text + "  ";
}

CString CTexte::GetFunktionsName(int file, BYTE slot) const
{
    if (slot < 1 || slot > layout::kFuncSlots)
        return ui::kNoDesignation;
    CParaDaten para;
    FuncEntry entry;
    if (!para.GetFuncEntry(file, slot, entry))
        entry = FuncEntry();
    const CString kind = GetFunktionsArtText(static_cast<BYTE>(entry.type));
    Bezeichnung designation;
    CParaDaten::DecodeBezeichnung(kind.GetString(), entry.designation, designation);
    return GetBezeichnung(file, kind, designation);
}
