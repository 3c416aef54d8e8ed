// CTexte: label refresh of the drawing: the walk over its objects, the texts of inputs, outputs, messages and
// network objects, and the labels of digital input pins.
#include "texts/CTexte.h"

#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "store/EingangParam.h"
#include "store/MeldungParam.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "texttables/StandardDesignations.h"

#include <vector>

namespace {

constexpr int kFunktionsEintraege = 44;
constexpr int kMeldungsEintraege = 8;
constexpr BYTE kOhneNummer = 255;  // an object the drawing has not numbered yet
constexpr BYTE kEingaenge = 16;
constexpr BYTE kAusgaenge = 14;    // outputs with a designation; 15 and 16 are analog
constexpr BYTE kNetzVariablen = 32;
constexpr BYTE kAlleSensorenNr = 17;
constexpr BYTE kAlleNetzEingaengeNr = 33;

// A function or message object of the drawing with the number the evaluation gave it.
struct Eintrag {
    int objektId = -1;
    BYTE nummer = kOhneNummer;
};

// The texts every object of a group shares, worked out once per refresh.
struct Tabellen {
    std::vector<Eintrag> funktionen;
    std::vector<Eintrag> meldungen;
    CString eingaenge[kEingaenge];            // input n at n - 1
    CString ausgaenge[kAusgaenge + 1];        // by output number; [0] unused
    bool mischer[kAusgaenge + 1] = {};        // the stored output is a mixer output (before repair)
    NetzTextEintrag netzEingaenge[kNetzVariablen + 1];  // by number; [0] the texts of a network input not in use
    NetzTextEintrag netzAusgaenge[kNetzVariablen + 1];  // by number; [0] unused
};

enum Gruppe : UINT {
    kKeine = 0,
    kEingang = CTexte::kLabelsEingaenge,
    kAusgang = CTexte::kLabelsAusgaenge,
    kFunktion = CTexte::kLabelsFunktionen,
    kMeldung = CTexte::kLabelsMeldungen,
    kNetzEingang = CTexte::kLabelsNetzEingaenge,
    kNetzAusgang = CTexte::kLabelsNetzAusgaenge,
};

// The one group whose kinds include the object's kind.
UINT GruppeVon(const CString& art)
{
    if (art == "Eingang" || art == "Sensorstatus")
        return kEingang;
    if (art == "Ausgang" || art == "Mischer_Ausgang" || art == "Analog_Ausgang")
        return kAusgang;
    if (texts::TypeCodeOfKind(art.GetString()) != 0)
        return kFunktion;
    if (art == "Meldung")
        return kMeldung;
    if (art == "Netzwerkeingang" || art == "Netzwerkstatus")
        return kNetzEingang;
    if (art == "Netzwerkausgang")
        return kNetzAusgang;
    return kKeine;
}

bool Senden(DrawingCommands& channel, int textId, const CString& text)
{
    if (textId <= 0)
        return false;
    channel.SetText(static_cast<UINT>(textId), text);
    return true;
}

CString Zahl(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

// The object's designation text becomes text, when the drawing does not show it already.
bool Ersetzen(DrawingCommands& channel, const ObjektInfo& object, const CString& text)
{
    return object.bezeichnung != text && Senden(channel, object.bezeichnungId, text);
}

// The first entry carrying the object, or null.
const Eintrag* Finden(const std::vector<Eintrag>& liste, int objektId)
{
    for (const Eintrag& e : liste) {
        if (e.objektId == objektId)
            return &e;
    }
    return nullptr;
}

void ListenLesen(CZeichnung& drawing, Tabellen& t)
{
    for (int n = 0; n < kFunktionsEintraege; ++n) {
        Eintrag e;
        int typ = 0;
        if (!drawing.GetFuncID(n, e.objektId, typ, e.nummer))
            break;
        t.funktionen.push_back(e);
    }
    for (int n = 0; n < kMeldungsEintraege; ++n) {
        Eintrag e;
        if (!drawing.GetMeldungID(n, e.objektId, e.nummer))
            break;
        t.meldungen.push_back(e);
    }
}

void AusgaengeLesen(const CTexte& texte, CParaDaten& para, CParaCheck& check, Tabellen& t)
{
    for (BYTE n = 1; n <= kAusgaenge; ++n) {
        AusgangParam record;
        para.GetAusgang(CParaDaten::kWorkFile, n, record);
        t.mischer[n] = record.type == kAusgangMischer;
        check.CheckAusgang(n, record);
        t.ausgaenge[n] = texte.GetAusgangText(CParaDaten::kWorkFile, record);
    }
}

bool EingangObjekt(CZeichnung& drawing, DrawingCommands& channel, const ObjektInfo& object, const Tabellen& t)
{
    BYTE n = 0;
    int indexId = 0;
    drawing.GetEingangNr(object.objektId, n, indexId);
    if (n >= 1 && n <= kEingaenge)
        return Ersetzen(channel, object, t.eingaenge[n - 1]);
    if (object.art == "Sensorstatus" && n == kAlleSensorenNr)
        return Ersetzen(channel, object, ui::symbols::kAllSensorsLabel);
    return Ersetzen(channel, object, ui::kNotUsedShort);
}

bool AusgangObjekt(CZeichnung& drawing, DrawingCommands& channel, const ObjektInfo& object, const Tabellen& t)
{
    BYTE n = 0;
    int indexId = 0;
    if (object.art == "Mischer_Ausgang") {
        int secondId = 0;
        drawing.GetMischerNr(object.objektId, n, indexId, secondId);
        if (IsMischerErsterAusgang(n))
            return Ersetzen(channel, object, t.ausgaenge[n]);
        return Ersetzen(channel, object, ui::kNotUsedShort);
    }
    drawing.GetAusgangNr(object.objektId, n, indexId);
    if (object.art == "Analog_Ausgang")
        return Ersetzen(channel, object, n == 15 || n == 16 ? " " : ui::kNotUsedShort);
    if (n < 1 || n > kAusgaenge)
        return Ersetzen(channel, object, ui::kNotUsedShort);
    // An output object on the second output of a mixer pair shows the pair's text.
    if (IsMischerZweiterAusgang(n) && t.mischer[n - 1])
        --n;
    return Ersetzen(channel, object, t.ausgaenge[n]);
}

bool NetzEingangObjekt(CZeichnung& drawing, DrawingCommands& channel, const ObjektInfo& object, const Tabellen& t)
{
    BYTE n = 0;
    int indexId = 0;
    drawing.GetNetzNr(object.objektId, n, indexId);
    const bool used = n >= 1 && n <= kNetzVariablen;
    if (object.art == "Netzwerkstatus") {
        if (used)
            return Ersetzen(channel, object, t.netzEingaenge[n].kurzText);
        return Ersetzen(channel, object, n == kAlleNetzEingaengeNr ? ui::kNetworkAllInputs : ui::kNotUsedShort);
    }
    const NetzTextEintrag& e = t.netzEingaenge[used ? n : 0];
    bool queued = Ersetzen(channel, object, used ? e.kurzText : CString(ui::kNotUsedShort));
    CString typ;
    int typId = 0, knotenId = 0, ausgangId = 0;
    BYTE knoten = 0, ausgang = 0;
    if (!drawing.GetNetzDaten(object.objektId, typ, typId, knoten, knotenId, ausgang, ausgangId))
        return queued;
    if (typ != e.titelGetrimmt)
        queued |= Senden(channel, typId, e.titel);
    if (knoten != e.knoten)
        queued |= Senden(channel, knotenId, Zahl(e.knoten));
    if (ausgang != e.knotenAusgang)
        queued |= Senden(channel, ausgangId, Zahl(e.knotenAusgang));
    return queued;
}

bool NetzAusgangObjekt(CZeichnung& drawing, DrawingCommands& channel, const ObjektInfo& object, const Tabellen& t)
{
    BYTE n = 0;
    int indexId = 0;
    drawing.GetNetzNr(object.objektId, n, indexId);
    const bool used = n >= 1 && n <= kNetzVariablen;
    bool queued = Ersetzen(channel, object, used ? t.netzAusgaenge[n].kurzText : CString(ui::kNotUsedShort));
    CString typ;
    int typId = 0, knotenId = 0, ausgangId = 0;
    BYTE knoten = 0, ausgang = 0;
    if (!drawing.GetNetzDaten(object.objektId, typ, typId, knoten, knotenId, ausgang, ausgangId))
        return queued;
    const BYTE sollKnoten = used ? t.netzAusgaenge[n].knoten : 0;
    const BYTE sollAusgang = used ? t.netzAusgaenge[n].knotenAusgang : 0;
    if (knoten != sollKnoten)
        queued |= Senden(channel, knotenId, Zahl(sollKnoten));
    if (ausgang != sollAusgang)
        queued |= Senden(channel, ausgangId, Zahl(sollAusgang));
    return queued;
}

}  // namespace

bool CTexte::UpdateZeichnung(DrawingCommands& channel, UINT groups, int skipId) const
{
    CZeichnung drawing;
    // Every read of the refresh that completes a record does so from the drawing already loaded here.
    drawing::StoreDrawingReader reader(drawing);
    CParaDaten para;
    para.UseDrawing(&reader);
    CParaCheck check;
    Tabellen t;
    ListenLesen(drawing, t);
    if (groups & kEingang)
        GetEingangTexte(para, check, t.eingaenge);
    if (groups & kAusgang)
        AusgaengeLesen(*this, para, check, t);
    if (groups & kNetzEingang)
        GetNetzEingangTexte(para, check, t.netzEingaenge);
    if (groups & kNetzAusgang)
        GetNetzAusgangTexte(para, check, t.netzAusgaenge);

    bool queued = false;
    const int count = drawing.GetObjektAnzahl();
    for (int n = 1; n <= count; ++n) {
        ObjektInfo object;
        if (!drawing.GetObjekt(n, object))
            break;
        if (skipId >= 0 && object.objektId == skipId)
            continue;
        const UINT gruppe = GruppeVon(object.art);
        if ((groups & gruppe) == 0)
            continue;
        switch (gruppe) {
        case kEingang:
            queued |= EingangObjekt(drawing, channel, object, t);
            break;
        case kAusgang:
            queued |= AusgangObjekt(drawing, channel, object, t);
            break;
        case kFunktion:
        case kMeldung: {
            const Eintrag* e = Finden(gruppe == kFunktion ? t.funktionen : t.meldungen, object.objektId);
            if (!e || e->nummer == kOhneNummer)
                break;
            queued |= gruppe == kFunktion ? UpdateFunktion(channel, para, check, drawing, object)
                                          : UpdateMeldung(channel, para, check, drawing, object);
            break;
        }
        case kNetzEingang:
            queued |= NetzEingangObjekt(drawing, channel, object, t);
            break;
        case kNetzAusgang:
            queued |= NetzAusgangObjekt(drawing, channel, object, t);
            break;
        default:
            break;
        }
    }
    return queued;
}

bool CTexte::UpdateMeldung(DrawingCommands& channel, CParaDaten& para, CParaCheck& check, CZeichnung& drawing,
                           const ObjektInfo& object) const
{
    const BYTE slot = para.FindMeldungSlot(CParaDaten::kWorkFile, object.objektId);
    // Without a slot the object shows an unused message without cause, and its pins are left as they are.
    MeldungParam record;
    if (slot != 0) {
        para.GetMeldung(CParaDaten::kWorkFile, slot, record, false);
        check.CheckMeldung(record, 0);
    }
    bool queued = false;
    int textId = 0;
    if (drawing.GetTextId(object.objektId, textId)) {
        const CString art = GetMeldungsArt(CParaDaten::kWorkFile, record);
        if (object.bezeichnung != art)
            queued |= Senden(channel, textId, art);
    }
    if (drawing.GetTextId2(object.objektId, textId))
        queued |= Senden(channel, textId, GetMeldungBezeichnungText(CParaDaten::kWorkFile, record));
    if (slot == 0)
        return queued;

    const DigitalQuelle* sources[3] = {&record.release, &record.activate, &record.cancel};
    for (BYTE p = 1; p <= 3; ++p) {
        PinInfo pin;
        if (!drawing.GetPin(p, object.objektId, pin))
            continue;
        const DigitalQuelle& q = *sources[p - 1];
        queued |= SetPinLabel(channel, q.kind, 0, q.inverted, q.number, object.art, pin.name, pin.labelId);
    }
    return queued;
}

void CTexte::GetEingangTexte(CParaDaten& para, CParaCheck& check, CString texts[16]) const
{
    for (BYTE n = 1; n <= kEingaenge; ++n) {
        EingangParam record;
        para.GetEingang(CParaDaten::kWorkFile, n, record);
        check.CheckEingang(n, record);
        texts[n - 1] = GetEingangText(CParaDaten::kWorkFile, record);
    }
}

namespace {

void Titel(NetzTextEintrag& e, const CString& titel)
{
    e.titel = titel;
    e.titelGetrimmt = titel;
    e.titelGetrimmt.Trim();
}

}  // namespace

void CTexte::GetNetzEingangTexte(CParaDaten& para, CParaCheck& check, NetzTextEintrag entries[33]) const
{
    NetzEingang digital[16] = {};
    NetzEingang analog[16] = {};
    para.GetNetzEingaengeDigital(CParaDaten::kWorkFile, digital);
    para.GetNetzEingaengeAnalog(CParaDaten::kWorkFile, analog);
    check.CheckNetzEingaengeDigital(digital);
    check.CheckNetzEingaengeAnalog(analog);
    Titel(entries[0], GetNetzVariableText(0, digital, analog));
    for (BYTE n = 1; n <= kNetzVariablen; ++n) {
        NetzTextEintrag& e = entries[n];
        const NetzEingang& input = n <= 16 ? digital[n - 1] : analog[n - 17];
        Titel(e, GetNetzVariableText(n, digital, analog));
        e.kurzText = GetNetzNrText(n);
        e.knoten = input.node;
        e.knotenAusgang = input.node != 0 ? input.output : 0;
    }
}

void CTexte::GetNetzAusgangTexte(CParaDaten& para, CParaCheck& check, NetzTextEintrag entries[33]) const
{
    NetzwerkParam netz;
    para.GetNetzwerk(CParaDaten::kWorkFile, netz);
    check.CheckNetzKnoten(netz);
    for (BYTE n = 1; n <= kNetzVariablen; ++n) {
        NetzTextEintrag& e = entries[n];
        e.kurzText = GetNetzAusgangNrText(n);
        e.knoten = netz.node;
        e.knotenAusgang = n <= 16 ? n : static_cast<BYTE>(n - 16);
    }
}

bool CTexte::SetPinLabel(DrawingCommands& channel, BYTE sourceKind, BYTE noFixedValue, BYTE inverted, BYTE fixedValue,
                         const CString& kind, const CString& pin, int labelId) const
{
    CString label = GetPinText(kind, pin);
    AppendPinSuffix(label, sourceKind, noFixedValue, inverted, fixedValue);
    return Senden(channel, labelId, label);
}

void CTexte::AppendPinSuffix(CString& label, BYTE sourceKind, BYTE noFixedValue, BYTE inverted, BYTE fixedValue)
{
    if (sourceKind != 0) {
        if (inverted != 0)
            label += ui::kPinSuffixInverted;
    } else if (fixedValue == 0 && noFixedValue == 0) {
        label += ui::kPinSuffixOff;
    }
}
