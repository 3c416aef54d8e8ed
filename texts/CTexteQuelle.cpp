// CTexte: texts of variable sources, as the input-variable forms, the logging lists and the export show them.
#include "texts/CTexte.h"

#include "platform/CComboBox.h"
#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/FuncEntry.h"
#include "store/MeldungParam.h"

namespace {

// Source kinds as a record stores them.
enum QuellenArt : BYTE {
    kQuelleKeine = 0,      // a user value, or not connected
    kQuelleEingang = 1,
    kQuelleAusgang = 2,
    kQuelleFunktion0 = 3,  // 3 to 46: output variable of the function numbered kind - 3
    kQuelleFunktion43 = 46,
    kQuelleNetzStatus = 96,
    kQuelleSensorStatus = 97,
    kQuelleMeldung = 98,
    kQuelleNetzEingang = 99,
};
static_assert(kQuelleFunktion43 - kQuelleFunktion0 == 43 && kQuelleNetzEingang == 99);

constexpr BYTE kAlleSensoren = 17;  // sensor status of all sensors at once

bool IsFunktion(BYTE kind) { return kind >= kQuelleFunktion0 && kind <= kQuelleFunktion43; }

// The slot holding function number kind - 3; 0 when none does.
BYTE FunktionsSlot(int file, BYTE kind)
{
    CParaDaten para;
    return para.FindFuncByNumber(file, static_cast<BYTE>(kind - kQuelleFunktion0));
}

// A designation followed by a record's digit, unless there is no designation to number.
CString MitZiffer(CString designation, BYTE digit)
{
    if (designation != ui::kNoDesignation && digit != 0)
        designation.AppendFormat("%d", digit);
    return designation;
}

}  // namespace

// A record that cannot be read counts as all zero: not used, no designation.
CString CTexte::EingangVariableText(int file, BYTE n) const
{
    CParaDaten para;
    EingangParam input;
    if (!para.GetEingang(file, n, input))
        input = EingangParam();
    return MitZiffer(GetEingangBezeichnung(file, input), input.digit);
}

CString CTexte::AusgangVariableText(int file, BYTE n) const
{
    CParaDaten para;
    AusgangParam output;
    bool mixer = false;
    if (IsMischerZweiterAusgang(n)) {
        mixer = para.GetAusgang(file, static_cast<BYTE>(n - 1), output) && output.type == kAusgangMischer;
    }
    if (!mixer && !para.GetAusgang(file, n, output))
        output = AusgangParam();
    return MitZiffer(GetAusgangBezeichnung(file, output), output.digit);
}

CString CTexte::MeldungVariableText(int file, BYTE slot) const
{
    CParaDaten para;
    MeldungParam message;
    if (!para.GetMeldung(file, slot, message, false))
        message = MeldungParam();
    CString text = GetMeldungBezeichnung(file, message);
    // Unlike inputs and outputs, a message of any type numbers "------------" as well.
    if (message.type != kMeldungUnbenutzt && message.digit != 0)
        text.AppendFormat("%d", message.digit);
    return text;
}

CString CTexte::GetQuelleKurzText(int file, BYTE kind) const
{
    switch (kind) {
    case kQuelleKeine:
        return ui::kSourceUser;
    case kQuelleEingang:
        return ui::kSourceInput;
    case kQuelleAusgang:
        return ui::kSourceOutput;
    case kQuelleNetzStatus:
        return ui::kSourceNetworkStatus;
    case kQuelleSensorStatus:
        return ui::kSourceSensorStatus;
    case kQuelleMeldung:
        return ui::kSourceMessage;
    case kQuelleNetzEingang:
        return ui::kSourceNetworkInput;
    default:
        break;
    }
    if (!IsFunktion(kind))
        return CString();
    // A source naming a function that no slot holds shows as a function without designation.
    const BYTE slot = FunktionsSlot(file, kind);
    return slot ? GetFunktionsName(file, slot) : CString(ui::kNoDesignation);
}

CString CTexte::GetQuelleVariableText(int file, BYTE kind, BYTE number) const
{
    switch (kind) {
    case kQuelleKeine:
        return ui::kNotUsed;
    case kQuelleEingang:
        return EingangVariableText(file, number);
    case kQuelleSensorStatus:
        return number == kAlleSensoren ? CString(ui::kAllSensors) : EingangVariableText(file, number);
    case kQuelleAusgang:
        return AusgangVariableText(file, number);
    case kQuelleMeldung:
        return MeldungVariableText(file, number);
    case kQuelleNetzStatus:
        return GetNetzStatusText(number);
    case kQuelleNetzEingang:
        return GetNetzNrLangText(number);
    default:
        break;
    }
    if (IsFunktion(kind)) {
        // With no slot there is no type, and type 0 has no output variables.
        FuncEntry entry;
        CParaDaten para;
        const BYTE slot = FunktionsSlot(file, kind);
        if (!slot || !para.GetFuncEntry(file, slot, entry))
            entry = FuncEntry();
        return GetAusgangVariableText(static_cast<BYTE>(entry.type), number);
    }
    return ui::kNoDesignation;
}

CString CTexte::GetQuelleLangText(int file, const Quelle& source) const
{
    if (source.kind == kQuelleKeine)
        return ui::kNotUsed;
    const CString kindText = GetQuelleKurzText(file, source.kind);
    const CString variable = GetQuelleVariableText(file, source.kind, source.number);
    CString text;
    switch (source.kind) {
    case kQuelleEingang:
    case kQuelleAusgang:
    case kQuelleSensorStatus:
    case kQuelleMeldung:
        text.Format("%s %d - %s", kindText.GetString(), source.number, variable.GetString());
        break;
    default:
        text.Format("%s - %d: %s", kindText.GetString(), source.number, variable.GetString());
        break;
    }
    return text;
}

void CTexte::GetQuelleTexte(BYTE kind, BYTE number, BYTE noFixedState, CString& sourceLabel, CString& numberLabel,
                            CString& variableText) const
{
    if (kind == kQuelleKeine) {
        sourceLabel = ui::kSourceUser;
        numberLabel.Empty();
        variableText = noFixedState ? CString(ui::kNotUsed) : CString();
        return;
    }
    switch (kind) {
    case kQuelleEingang:
    case kQuelleAusgang:
    case kQuelleNetzStatus:
    case kQuelleSensorStatus:
    case kQuelleMeldung:
    case kQuelleNetzEingang:
        sourceLabel = GetQuelleKurzText(CParaDaten::kWorkFile, kind);
        break;
    default: {
        // Every other kind is taken as a function output; a kind beyond 46 names no function there can be.
        const BYTE slot = IsFunktion(kind) ? FunktionsSlot(CParaDaten::kWorkFile, kind) : 0;
        sourceLabel = slot ? GetFunktionsName(CParaDaten::kWorkFile, slot) : CString(ui::kNoDesignation);
        break;
    }
    }
    numberLabel.Format("%d:", number);
    variableText = GetQuelleVariableText(CParaDaten::kWorkFile, kind, number);
}

void CTexte::FillQuelleCtrls(BYTE kind, BYTE number, BYTE noFixedState, CString& sourceLabel, CString& numberLabel,
                             CString& variableText, CString& modeLabel, BYTE mode, CComboBox& modeCombo,
                             BYTE fixedState) const
{
    GetQuelleTexte(kind, number, noFixedState, sourceLabel, numberLabel, variableText);
    if (kind == kQuelleKeine && noFixedState) {
        modeLabel.Empty();
        modeCombo.EnableWindow(FALSE);
        return;
    }
    // Items go to fixed positions, so the index is the stored value whatever the box's sort style.
    modeCombo.ResetContent();
    if (kind == kQuelleKeine) {
        modeLabel = ui::kModeFixedState;
        modeCombo.InsertString(0, ui::kFixedOff);
        modeCombo.InsertString(1, ui::kFixedOn);
        modeCombo.SetCurSel(fixedState ? 1 : 0);
        return;
    }
    modeLabel = ui::kModeConnected;
    modeCombo.InsertString(0, ui::kModeNormal);
    modeCombo.InsertString(1, ui::kModeInverted);
    modeCombo.SetCurSel(mode);
}
