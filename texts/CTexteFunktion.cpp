// CTexte: label refresh of function objects from their rows of the function-type catalog: the designation, the
// labels of the digital inputs and the texts of the functions each names as participants.
#include "texts/CTexte.h"

#include "drawing/CZeichnung.h"
#include "drawing/ObjectKinds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "store/FunctionTypes.h"
#include "texttables/StandardDesignations.h"

#include <vector>

namespace {

// The internal name of pin n (from 1) of a function kind.
const char* PinName(const CString& kind, BYTE n)
{
    const drawing::KindInfo* info = drawing::FindKind(kind.GetString());
    return info && n >= 1 && static_cast<size_t>(n) <= info->pins.size() ? info->pins[n - 1].name : "";
}

// The record byte at a field; 0 past the record's end, so a short record can never be read beyond.
BYTE At(const std::vector<BYTE>& record, unsigned field) { return field < record.size() ? record[field] : 0; }

}  // namespace

bool CTexte::UpdateFunktion(DrawingCommands& channel, CParaDaten& para, CParaCheck&, CZeichnung& drawing,
                            const ObjektInfo& object) const
{
    const int code = texts::TypeCodeOfKind(object.art.GetString());
    const functypes::FunctionType* row = code != 0 ? functypes::FindFunctionType(code) : nullptr;
    if (!row)
        return false;
    bool queued = false;

    const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, object.objektId);
    // Without a slot there is no record to read the pins from: the object shows that it has no designation.
    std::vector<BYTE> record;
    if (slot != 0)
        record = functypes::ReadRepairedFuncRecord(para, CParaDaten::kWorkFile, slot, code, false);
    Bezeichnung designation;
    if (record.size() >= sizeof(Bezeichnung)) {
        designation.group = record[0];
        designation.index = record[1];
        designation.digit = record[2];
    }
    const CString text = GetBezeichnungText(CParaDaten::kWorkFile, object.art, designation);
    int textId = 0;
    if (drawing.GetTextId(object.objektId, textId) && textId > 0 && object.bezeichnung != text) {
        channel.SetText(static_cast<UINT>(textId), text);
        queued = true;
    }
    if (record.empty())
        return queued;

    queued |= SetFunktionPinLabels(channel, drawing, object.art, object.objektId, record);
    queued |= SetTeilnehmerLabels(channel, para, drawing, *row, object.objektId, record);
    return queued;
}

bool CTexte::SetTeilnehmerLabels(DrawingCommands& channel, CParaDaten& para, CZeichnung& drawing,
                                 const functypes::FunctionType& row, int objectId,
                                 const std::vector<BYTE>& record) const
{
    const functypes::Participants& t = row.participants;
    if (t.list == TeilnehmerListe::None)
        return false;
    bool queued = false;
    FunktionsListe list;
    GetTeilnehmerListe(t.list, list, &para);
    const BYTE inUse = At(record, t.countField);
    for (BYTE k = 0; k < t.count; ++k) {
        PinInfo pin;
        if (!drawing.GetPin(static_cast<BYTE>(t.firstPin + k), objectId, pin) || pin.labelId <= 0)
            continue;
        const BYTE function = At(record, t.firstField + static_cast<unsigned>(k) * t.step);
        channel.SetText(static_cast<UINT>(pin.labelId), GetTeilnehmerText(list, inUse, k, function));
        queued = true;
    }
    return queued;
}

bool CTexte::SetFunktionPinLabels(DrawingCommands& channel, CZeichnung& drawing, const CString& kind, int objectId,
                                  const std::vector<BYTE>& record) const
{
    const int code = texts::TypeCodeOfKind(kind.GetString());
    const functypes::FunctionType* row = code != 0 ? functypes::FindFunctionType(code) : nullptr;
    if (!row)
        return false;
    bool queued = false;
    for (const functypes::PinLabel& p : row->pinLabels) {
        PinInfo pin;
        if (!drawing.GetPin(p.pin, objectId, pin))
            continue;
        if (p.fixedValue == functypes::FixedValue::NoOnlyIfDrawn && pin.name.IsEmpty())
            continue;
        // A label drawn without its connector still names the pin it stands for.
        const CString name = pin.name.IsEmpty() ? CString(PinName(kind, p.pin)) : pin.name;
        queued |= SetPinLabel(channel, At(record, p.field), functypes::ShowsNoFixedValue(p, record) ? 1 : 0,
                              At(record, p.field + 1u), At(record, p.field + 2u), kind, name, pin.labelId);
    }
    return queued;
}

void CTexte::GetTeilnehmerListe(TeilnehmerListe which, FunktionsListe& list, CParaDaten* para) const
{
    switch (which) {
    case TeilnehmerListe::Demands: GetAnforderungsListe(list, para); break;
    case TeilnehmerListe::Solar: GetSolarListe(list, para); break;
    case TeilnehmerListe::Solar2: GetSolarListe2(list, para); break;
    case TeilnehmerListe::HeatingCircuits: GetHzkrListe(list, para); break;
    case TeilnehmerListe::None: break;
    }
}

CString CTexte::GetTeilnehmerText(const FunktionsListe& list, BYTE inUse, BYTE index, BYTE function) const
{
    if (index >= inUse || function == 0)
        return ui::symbols::kNoParticipant;
    const CString name = GetListenBezeichnung(list, function);
    return name == ui::kNoDesignation ? CString(ui::kNoDesignationList) : name;
}
