// The message's parameter form: its record access, its cause head and lists for the function form frame, and its
// save's texts.
#include "forms/plant/CMeldung.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/plant/CMeldungVarIn.h"
#include "forms/plant/CMeldungVarOut.h"

#include "drawing/CZeichnung.h"
#include "platform/ProcessExit.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/ResourceIds.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "store/MeldungParam.h"
#include "store/PlantFields.h"
#include "texts/CTexte.h"

#include <cstring>

FUNCTION_FORM_FACTORIES(Meldung)

namespace {

using namespace forms;
using R = MeldungParam;
using Rows = FieldTable<record::kMeldungFields>;

MeldungParam Decoded(const BYTE* record)
{
    MeldungParam m;
    std::memcpy(&m, record, sizeof m);
    return m;
}

void Encode(const MeldungParam& m, BYTE* record)
{
    std::memcpy(record, &m, sizeof m);
}

// ---- The record: a message slot 1 to 8, found by the object id ----

BYTE FindSlot(CParaDaten& para, int file, int objectId)
{
    return para.FindMeldungSlot(file, objectId);
}

bool Read(CParaDaten& para, int file, BYTE slot, BYTE* record, bool complete)
{
    MeldungParam m;
    if (!para.GetMeldung(file, slot, m, complete))
        return false;
    Encode(m, record);
    return true;
}

bool Write(CParaDaten& para, int file, BYTE slot, const BYTE* record)
{
    return para.SetMeldung(file, slot, Decoded(record));
}

void Blank(BYTE* record)
{
    Encode(MeldungParam{}, record);
}

void Check(CParaCheck& check, int /*file*/, BYTE* record, BYTE keepLowBit)
{
    MeldungParam m = Decoded(record);
    check.CheckMeldung(m, keepLowBit);
    Encode(m, record);
}

const RecordAccess kAccess{IDD_MELDUNG,
                           IDD_MELDUNG_VARIN,
                           IDD_MELDUNG_VAROUT,
                           sizeof(MeldungParam),
                           "Meldung",
                           &FindSlot,
                           &Read,
                           &Write,
                           &Blank,
                           &Check};

// ---- The cause: 11 default causes or the 16 user designations, item 0 "none" in both ----

CString CauseItem(BYTE group, BYTE index)
{
    MeldungParam m;
    m.group = group;
    m.index = index;
    return CTexte().GetMeldungBezeichnung(CParaDaten::kWorkFile, m);
}

// Everything but the type is out of use while the message is not used.
const EnableRule kUsed{false, Edits(Rows::Row(offsetof(R, type))), kMeldungUnbenutzt, true};

const std::vector<LayoutGroup> kAbove = {
    {0, nullptr, {ComboRow(IDC_MELDUNG_TYP_LABEL, ui::kMeldungTypLabel, IDC_MELDUNG_TYP)}},
};

const DesignationHead kHead{Edits(Rows::Row(offsetof(R, group))),
                            Edits(Rows::Row(offsetof(R, index))),
                            Edits(Rows::Row(offsetof(R, digit))),
                            IDC_MELDUNG_GRUPPE_GROUP,
                            ui::kMeldungGruppeGroup,
                            {{IDC_MELDUNG_GRUPPE_DEFAULT, ui::kMeldungGruppeDefault, 44},
                             {IDC_MELDUNG_GRUPPE_USER, ui::kMeldungGruppeUser, 50}},
                            IDC_BEZ_LABEL,
                            ui::kMeldungCauseLabel,
                            &CauseItem,
                            {static_cast<BYTE>(std::size(ui::kMessageCauses)), 16},
                            kUsed,
                            kAbove};

LayoutRow WarntonRow()
{
    LayoutRow row{0, ui::kMeldungWarnton};
    row.checkId = IDC_MELDUNG_WARNTON;
    return row;
}

const std::vector<LayoutGroup> kLayout = {{0, nullptr, {WarntonRow()}}};

const std::vector<ValueControl> kValues = {
    // A new type enables or disables everything else at once.
    {IDC_MELDUNG_TYP, Edits(Rows::Row(offsetof(R, type))), 0, {{}, ui::kMeldungTypes}, {}, true},
    {IDC_MELDUNG_WARNTON, Edits(Rows::Row(offsetof(R, alarm))), 0, {}, kUsed},
};

}  // namespace

const forms::FunctionKind CMeldung::kKind{0, ui::kMeldungTitle, false, &kAccess};

CMeldung::CMeldung() : FunctionParamForm({kKind, kLayout, kValues, nullptr, &kHead})
{}

void CMeldung::SendTexts(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte, CParaDaten& /*para*/)
{
    const MeldungParam m = Decoded(Record());
    int textId = 0;
    if (drawing.GetTextId(Start().id, textId) && textId > 0)
        channel.SetText(static_cast<UINT>(textId), texte.GetMeldungsArt(CParaDaten::kWorkFile, m));
    textId = 0;
    if (drawing.GetTextId2(Start().id, textId) && textId > 0)
        channel.SetText(static_cast<UINT>(textId), texte.GetMeldungBezeichnungText(CParaDaten::kWorkFile, m));
    // Release, activate and cancel: every one has a fixed state when nothing is connected.
    const DigitalQuelle* inputs[3] = {&m.release, &m.activate, &m.cancel};
    for (BYTE pin = 1; pin <= 3; ++pin) {
        PinInfo info;
        if (!drawing.GetPin(pin, Start().id, info))
            continue;
        const DigitalQuelle& q = *inputs[pin - 1];
        texte.SetPinLabel(channel, q.kind, 0, q.inverted, q.number, kAccess.kind, info.name, info.labelId);
    }
}

void CMeldung::NoRecordToSave()
{
    // No message slot of this object: nothing to write and no texts of a record that was never read.
    platform::EndProcess(0);
}
