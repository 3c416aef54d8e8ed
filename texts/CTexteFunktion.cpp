// CTexte: label refresh of function objects, one table row per function type: its designation, the labels of its
// digital input pins and the texts of the functions it names as participants.
#include "texts/CTexte.h"

#include "drawing/CZeichnung.h"
#include "drawing/ObjectKinds.h"
#include "resources/UiTexts.h"
#include "store/AnalogfuncParam.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "store/FuncKontrolleParam.h"
#include "store/FunctionTypes.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/LogikfuncParam.h"
#include "store/MischerRegParam.h"
#include "store/PID_RegelungParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WMZParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "store/ZirkulationParam.h"
#include "texttables/StandardDesignations.h"

#include <cstddef>
#include <vector>

namespace {

// Whether an unconnected pin shows its fixed value as " (OFF)".
enum class Festwert : BYTE {
    Ja,               // the pin has a fixed value
    Nein,             // the pin has none: never " (OFF)"
    BisZweiKessel,    // none while the cascade runs 2 boilers or fewer (its third stage does not exist then)
    NeinNurGezeichnet,  // none, and labelled only when the symbol has the pin (older symbols lack it)
};

// The pin's internal name is the one of the drawing's kind (drawing/ObjectKinds), at its pin number.
struct PinLabel {
    BYTE pin;          // pin number of the object, from 1; 0 ends the list
    BYTE feld;         // first of the pin's three source fields (kind, inverted, number) in the decoded record
    Festwert festwert;
};

using Liste = CTexte::TeilnehmerListe;

struct Teilnehmer {
    Liste liste;
    BYTE ersterPin;   // pin entry of the first participant text
    BYTE anzahl;      // participant texts the symbol carries
    BYTE anzahlFeld;  // record field of the participants in use
    BYTE ersterFeld;  // record field of the first participant (function number + 1, 0 none)
    BYTE schritt;     // fields from one participant to the next
};

constexpr int kMaxPins = 8;

struct FunktionsLabels {
    int typeCode;
    PinLabel pins[kMaxPins];
    Teilnehmer teilnehmer = {Liste::Keine, 0, 0, 0, 0, 0};
};

constexpr BYTE kKesselAnzahl = offsetof(KesselkaskadeParam, boilerCount);

constexpr BYTE Feld(std::size_t offset) { return static_cast<BYTE>(offset); }

// Every function type.
const FunktionsLabels kFunktionen[] = {
    {texts::kTypeAnalogfunc, {{1, Feld(offsetof(AnalogfuncParam, release)), Festwert::Ja}}},
    {texts::kTypeAnfHeizung, {{1, Feld(offsetof(AnfHeizungParam, release)), Festwert::Ja}}},
    {texts::kTypeAnfWarmwasser,
     {{1, Feld(offsetof(AnfWarmwasserParam, release)), Festwert::Ja},
      {4, Feld(offsetof(AnfWarmwasserParam, externalSwitch)), Festwert::NeinNurGezeichnet}}},
    {texts::kTypeFuncKontrolle,
     {{3, Feld(offsetof(FuncKontrolleParam, differenceRelease)), Festwert::Ja}}},
    {texts::kTypeHzkrReg,
     {{1, Feld(offsetof(HzkrRegParam, release)), Festwert::Ja},
      {2, Feld(offsetof(HzkrRegParam, pumpRelease)), Festwert::Ja},
      {3, Feld(offsetof(HzkrRegParam, mixerRelease)), Festwert::Ja},
      {7, Feld(offsetof(HzkrRegParam, externalSwitch)), Festwert::Nein}}},
    {texts::kTypeKesselkaskade,
     {{1, Feld(offsetof(KesselkaskadeParam, release)), Festwert::Ja},
      {2, Feld(offsetof(KesselkaskadeParam, release2)), Festwert::Ja},
      {3, Feld(offsetof(KesselkaskadeParam, release3)), Festwert::BisZweiKessel}},
     {Liste::Anforderungen, 16, 6, Feld(offsetof(KesselkaskadeParam, participantCount)),
      Feld(offsetof(KesselkaskadeParam, participants)), 1}},
    {texts::kTypeKuehlfunc, {{1, Feld(offsetof(KuehlfuncParam, release)), Festwert::Ja}}},
    {texts::kTypeLadepumpe, {{1, Feld(offsetof(LadepumpeParam, release)), Festwert::Ja}}},
    {texts::kTypeLogikfunc,
     {{1, Feld(offsetof(LogikfuncParam, release)), Festwert::Ja},
      {2, Feld(offsetof(LogikfuncParam, inputs) + 0), Festwert::Nein},
      {3, Feld(offsetof(LogikfuncParam, inputs) + 3), Festwert::Nein},
      {4, Feld(offsetof(LogikfuncParam, inputs) + 6), Festwert::Nein},
      {5, Feld(offsetof(LogikfuncParam, inputs) + 9), Festwert::Nein},
      {6, Feld(offsetof(LogikfuncParam, inputs) + 12), Festwert::Nein},
      {7, Feld(offsetof(LogikfuncParam, inputs) + 15), Festwert::Nein}}},
    {texts::kTypeMischerReg, {{1, Feld(offsetof(MischerRegParam, release)), Festwert::Ja}}},
    {texts::kTypePID_Regelung, {{1, Feld(offsetof(PID_RegelungParam, release)), Festwert::Ja}}},
    {texts::kTypeProfilfunc,
     {{1, Feld(offsetof(ProfilfuncParam, release)), Festwert::Ja},
      {3, Feld(offsetof(ProfilfuncParam, start)), Festwert::Nein},
      {4, Feld(offsetof(ProfilfuncParam, stop)), Festwert::Nein},
      {5, Feld(offsetof(ProfilfuncParam, reset)), Festwert::Nein},
      {6, Feld(offsetof(ProfilfuncParam, clock)), Festwert::Nein}}},
    {texts::kTypeSchaltuhr,
     {{1, Feld(offsetof(SchaltuhrParam, release)), Festwert::Ja},
      {2, Feld(offsetof(SchaltuhrParam, blocking)), Festwert::Nein}}},
    {texts::kTypeSolarregelung, {{1, Feld(offsetof(SolarregelungParam, release)), Festwert::Ja}}},
    {texts::kTypeSolarvorrang,
     {{1, Feld(offsetof(SolarvorrangParam, release)), Festwert::Ja}},
     {Liste::Solar, 4, 10, Feld(offsetof(SolarvorrangParam, participantCount)),
      Feld(offsetof(SolarvorrangParam, participants)), Feld(sizeof(SolarvorrangTeilnehmer))}},
    {texts::kTypeStartfunc,
     {{1, Feld(offsetof(StartfuncParam, release)), Festwert::Ja}},
     {Liste::Solar2, 5, 10, Feld(offsetof(StartfuncParam, solarCount)), Feld(offsetof(StartfuncParam, solarControls)),
      1}},
    {texts::kTypeSync, {{1, Feld(offsetof(SyncParam, release)), Festwert::Ja}}},
    {texts::kTypeTimer,
     {{1, Feld(offsetof(TimerParam, release)), Festwert::Ja},
      {2, Feld(offsetof(TimerParam, trigger)), Festwert::Ja}}},
    {texts::kTypeVergleich, {{1, Feld(offsetof(VergleichParam, release)), Festwert::Ja}}},
    {texts::kTypeWMZ,
     {{1, Feld(offsetof(WMZParam, release)), Festwert::Ja},
      {5, Feld(offsetof(WMZParam, reset)), Festwert::Nein}}},
    {texts::kTypeWartungsfunc,
     {{1, Feld(offsetof(WartungsfuncParam, externalSwitch)), Festwert::Nein}},
     {Liste::Heizkreise, 4, 5, Feld(offsetof(WartungsfuncParam, circuitCount)),
      Feld(offsetof(WartungsfuncParam, circuits)), 1}},
    {texts::kTypeZaehler,
     {{1, Feld(offsetof(ZaehlerParam, release)), Festwert::Ja},
      {2, Feld(offsetof(ZaehlerParam, inputs) + 0), Festwert::Nein},
      {3, Feld(offsetof(ZaehlerParam, inputs) + 3), Festwert::Nein},
      {4, Feld(offsetof(ZaehlerParam, inputs) + 6), Festwert::Nein},
      {5, Feld(offsetof(ZaehlerParam, inputs) + 9), Festwert::Nein},
      {6, Feld(offsetof(ZaehlerParam, inputs) + 12), Festwert::Nein},
      {7, Feld(offsetof(ZaehlerParam, inputs) + 15), Festwert::Nein},
      {8, Feld(offsetof(ZaehlerParam, reset)), Festwert::Nein}}},
    {texts::kTypeZirkulation, {{1, Feld(offsetof(ZirkulationParam, release)), Festwert::Ja}}},
};
static_assert(sizeof(kFunktionen) / sizeof(kFunktionen[0]) == texts::kFunctionTypeCount);

const FunktionsLabels* FindFunktion(const CString& kind)
{
    const int code = texts::TypeCodeOfKind(kind.GetString());
    for (const FunktionsLabels& row : kFunktionen) {
        if (code != 0 && code == row.typeCode)
            return &row;
    }
    return nullptr;
}

// The internal name of pin n (from 1) of a function kind.
const char* PinName(const CString& kind, BYTE n)
{
    const drawing::KindInfo* info = drawing::FindKind(kind.GetString());
    return info && n >= 1 && static_cast<size_t>(n) <= info->pins.size() ? info->pins[n - 1].name : "";
}

// The record byte at a field; 0 past the record's end, so a short record can never be read beyond.
BYTE At(const std::vector<BYTE>& record, unsigned feld) { return feld < record.size() ? record[feld] : 0; }

bool KeinFestwert(const PinLabel& p, const std::vector<BYTE>& record)
{
    switch (p.festwert) {
    case Festwert::Ja:
        return false;
    case Festwert::BisZweiKessel:
        return At(record, kKesselAnzahl) <= 2;
    case Festwert::Nein:
    case Festwert::NeinNurGezeichnet:
        return true;
    }
    return true;
}

}  // namespace

bool CTexte::UpdateFunktion(DrawingCommands& channel, CParaDaten& para, CParaCheck&, CZeichnung& drawing,
                            const ObjektInfo& object) const
{
    const FunktionsLabels* row = FindFunktion(object.art);
    if (!row)
        return false;
    bool queued = false;

    const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, object.objektId);
    // Without a slot there is no record to read the pins from: the object shows that it has no designation.
    std::vector<BYTE> record;
    if (slot != 0)
        record = functypes::ReadRepairedFuncRecord(para, CParaDaten::kWorkFile, slot,
                                               texts::TypeCodeOfKind(object.art.GetString()), false);
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

    for (const PinLabel& p : row->pins) {
        if (p.pin == 0)
            break;
        PinInfo pin;
        if (!drawing.GetPin(p.pin, object.objektId, pin))
            continue;
        if (p.festwert == Festwert::NeinNurGezeichnet && pin.name.IsEmpty())
            continue;
        // A label drawn without its connector still names the pin it stands for.
        const CString name = pin.name.IsEmpty() ? CString(PinName(object.art, p.pin)) : pin.name;
        queued |= SetPinLabel(channel, At(record, p.feld), KeinFestwert(p, record) ? 1 : 0, At(record, p.feld + 1u),
                              At(record, p.feld + 2u), object.art, name, pin.labelId);
    }

    const Teilnehmer& t = row->teilnehmer;
    if (t.liste == Liste::Keine)
        return queued;
    FunktionsListe list;
    GetTeilnehmerListe(t.liste, list, &para);
    const BYTE inUse = At(record, t.anzahlFeld);
    for (BYTE k = 0; k < t.anzahl; ++k) {
        PinInfo pin;
        if (!drawing.GetPin(static_cast<BYTE>(t.ersterPin + k), object.objektId, pin) || pin.labelId <= 0)
            continue;
        const BYTE function = At(record, t.ersterFeld + static_cast<unsigned>(k) * t.schritt);
        channel.SetText(static_cast<UINT>(pin.labelId), GetTeilnehmerText(list, inUse, k, function));
        queued = true;
    }
    return queued;
}

void CTexte::GetTeilnehmerListe(TeilnehmerListe which, FunktionsListe& list, CParaDaten* para) const
{
    switch (which) {
    case TeilnehmerListe::Anforderungen: GetAnforderungsListe(list, para); break;
    case TeilnehmerListe::Solar: GetSolarListe(list, para); break;
    case TeilnehmerListe::Solar2: GetSolarListe2(list, para); break;
    case TeilnehmerListe::Heizkreise: GetHzkrListe(list, para); break;
    case TeilnehmerListe::Keine: break;
    }
}

CString CTexte::GetTeilnehmerText(const FunktionsListe& list, BYTE inUse, BYTE index, BYTE function) const
{
    if (index >= inUse || function == 0)
        return ui::symbols::kNoParticipant;
    const CString name = GetListenBezeichnung(list, function);
    return name == ui::kNoDesignation ? CString(ui::kNoDesignationList) : name;
}
