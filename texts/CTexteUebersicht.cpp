// CTexte: texts of the controller's function overview, its group headers and the values listed under them.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/FuncEntry.h"
#include "store/FuncViewEntry.h"
#include "texttables/StandardDesignations.h"

namespace {

CString Numbered(int parameter)
{
    CString text;
    text.Format("%d: ", parameter);
    return text;
}

void AppendDigit(CString& text, bool used, BYTE digit)
{
    if (used && digit >= 1 && digit <= 9)
        text += static_cast<char>('0' + digit);
}

}  // namespace

CString CTexte::GetFuncViewText(int file, const FuncViewEntry& entry) const
{
    if (entry.kind == 0)
        return "";
    CParaDaten para;
    if (entry.kind == FuncViewEntry::kGruppe) {
        switch (entry.group) {
        case FuncViewEntry::kGruppeUser:
            return ui::kOverviewGroupUser;
        case FuncViewEntry::kGruppeEingaenge:
            return ui::kOverviewGroupInputs;
        case FuncViewEntry::kGruppeAusgaenge:
            return ui::kOverviewGroupOutputs;
        default:
            // A function number that no slot carries finds slot 0, which names no function.
            return GetFunktionsName(file, para.FindFuncByNumber(file, static_cast<BYTE>(entry.group - 3)));
        }
    }

    const BYTE p = entry.param;
    CParaCheck check;
    switch (entry.group) {
    case FuncViewEntry::kGruppeUser:
        return p == 1 ? ui::kOverviewDate : p == 2 ? ui::kOverviewTime : ui::kOverviewNoValue;
    case FuncViewEntry::kGruppeEingaenge: {
        CString text = Numbered(p);
        EingangParam input;
        if (!para.GetEingang(file, p, input))
            return text + ui::kNoDesignation;
        check.CheckEingang(p, input);
        text += GetEingangBezeichnung(file, input);
        AppendDigit(text, input.type != kEingangUnbenutzt, input.digit);
        return text;
    }
    case FuncViewEntry::kGruppeAusgaenge: {
        CString text = Numbered(p);
        if (p == 15 || p == 16)
            return text + ui::kOverviewAnalogOutput;
        AusgangParam output;
        if (IsMischerZweiterAusgang(p) && para.GetAusgang(file, static_cast<BYTE>(p - 1), output) &&
            output.type == kAusgangMischer)
            return text + ui::kNoDesignation;
        if (!para.GetAusgang(file, p, output))
            return text + ui::kNoDesignation;
        check.CheckAusgang(p, output);
        text += GetAusgangBezeichnung(file, output);
        AppendDigit(text, output.type != kAusgangUnbenutzt, output.digit);
        return text;
    }
    default: {
        const BYTE slot = para.FindFuncByNumber(file, static_cast<BYTE>(entry.group - 3));
        FuncEntry func;
        const texts::FunctionTypeInfo* type =
            slot != 0 && para.GetFuncEntry(file, slot, func) ? texts::FindFunctionType(func.type) : nullptr;
        if (!type)
            return ui::kNoOutputVariable;
        return p >= 1 && p <= type->overviewCount ? type->overviewLabels[p - 1] : ui::kOverviewNoValue;
    }
    }
}

CString CTexte::GetFuncViewArtKuerzel(const FuncViewEntry& entry) const
{
    // The position of each kind's letter in "FABCTE".
    int position;
    switch (entry.kind) {
    case FuncViewEntry::kGruppe: position = 0; break;
    case FuncViewEntry::kUserA: position = 1; break;
    case FuncViewEntry::kUserB: position = 2; break;
    case FuncViewEntry::kUserC: position = 3; break;
    case FuncViewEntry::kTechniker: position = 4; break;
    case FuncViewEntry::kExperte: position = 5; break;
    default: return "-";
    }
    return CString(ui::kOverviewKindLetters[position]);
}
