// Translation of the function objects: one table row per function kind, one routine for all of them.
#include "translate/CTranslate.h"

#include "resources/UiTexts.h"
#include "shell/CSCCmd.h"
#include "store/Bezeichnung.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "texts/CTexte.h"
#include "texts/FunktionsListe.h"

#include <cstddef>
#include <cstring>

namespace T = ui::symbols;

namespace {

#define F(Record, field) static_cast<int>(offsetof(Record, field))

// How one text of a function symbol is made. "Byte k" is offset k of the kind's decoded, repaired record, written
// with offsetof of the record's field.
enum class Art : BYTE {
    kPin,            // the pin's display text
    kPinSuffix,      // the pin's display text with the mark of the digital source at bytes k .. k + 2
    kPinThirdStage,  // as kPinSuffix; no " (OFF)" while the cascade has at most two boilers (its boiler count)
    kPinInverted,    // the pin's display text, " (inv.)" when the source at bytes k, k + 1 is connected and inverted
    kLabel,          // a constant text
    kParticipant,    // the name of participant k
};

struct Text {
    const char* object;  // the text object's name in the drawing library (the pin's name for the pin kinds)
    Art art;
    int arg = 0;                 // byte k, or the participant's index
    const char* label = nullptr;  // kLabel only
};

Text Pin(const char* pin) { return {pin, Art::kPin}; }
Text Suffix(const char* pin, int byte) { return {pin, Art::kPinSuffix, byte}; }
Text ThirdStage(const char* pin, int byte) { return {pin, Art::kPinThirdStage, byte}; }
Text Inv(const char* pin, int byte) { return {pin, Art::kPinInverted, byte}; }
Text Label(const char* object, const char* text) { return {object, Art::kLabel, 0, text}; }
Text Participant(const char* object, int index) { return {object, Art::kParticipant, index}; }

using Liste = CTexte::TeilnehmerListe;

struct Teilnehmer {
    Liste list = Liste::Keine;
    int count = 0;      // participant bytes in the record
    int countByte = 0;  // the byte holding how many of them are in use
    int firstByte = 0;
    int step = 1;       // distance between two participant bytes
};

struct FunktionsArt {
    const char* kind;
    int typeCode;
    const char* title;  // the symbol's title, framed by two blanks on each side
    std::vector<Text> texts;  // texts 6 onwards, in the order of their ids in "Translate.tmp"
    Teilnehmer teilnehmer = {};
};

const std::vector<FunktionsArt>& Arten()
{
    static const char* const S = T::kMarkSwitch;
    static const char* const R = T::kMarkSpeed;
    static const char* const M = T::kMarkMixer;
    static const char* const P = T::kParticipantsLabel;
    static const std::vector<FunktionsArt> arten = {
        {"Analogfunktion", texts::kTypeAnalogfunc, T::kTitleAnalogfunc,
         {Suffix("Freigabe Funktion", F(AnalogfuncParam, release)), Pin("Ergebnis bei Freigabe AUS"),
          Pin("Eingangsvariable 1"), Pin("Eingangsvariable 2"), Pin("Eingangsvariable 3"), Pin("Eingangsvariable 4"),
          Pin("Eingangsvariable 5"), Pin("Eingangsvariable 6"), Pin("Ergebnis"), Label("ErgebnisAusgType", R)}},
        {"Anforderung Heizung", texts::kTypeAnfHeizung, T::kTitleAnfHeizung,
         {Suffix("Freigabe Funktion", F(AnfHeizungParam, release)), Pin("Anforderungstemperatur"),
          Pin("Abschalttemperatur"), Pin("Sollwert Anforderung"), Pin("Sollwert Abschaltung"), Pin("Anforderung"),
          Label("AnforderungAusgType", S)}},
        {"Anforderung Warmwasser", texts::kTypeAnfWarmwasser, T::kTitleAnfWarmwasser,
         {Suffix("Freigabe Funktion", F(AnfWarmwasserParam, release)), Pin("Warmwassertemperatur"),
          Pin("Solltemperatur"), Inv("Externer Schalter", F(AnfWarmwasserParam, externalSwitch)),
          Pin("effektive Solltemperatur"), Pin("akt Solltemperatur"), Pin("Anforderung"),
          Label("AnforderungAusgType", S), Pin("Brennerleistung"), Label("BrennerleistungAusgType", R)}},
        {"Funktionskontrolle", texts::kTypeFuncKontrolle, T::kTitleFuncKontrolle,
         {Pin("Kontrollwert a"), Pin("Kontrollwert b"),
          Suffix("Freigabe Diff-Kontrolle", F(FuncKontrolleParam, differenceRelease)), Pin("Fehler Wert"),
          Label("Fehler Wert AusgType", S), Pin("Fehler Differenz"), Label("Fehler Differenz AusgType", S)}},
        {"Heizkreisregler", texts::kTypeHzkrReg, T::kTitleHzkrReg,
         {Suffix("Freigabe Funktion", F(HzkrRegParam, release)), Suffix("Freigabe Pumpe", F(HzkrRegParam, pumpRelease)),
          Suffix("Freigabe Mischer", F(HzkrRegParam, mixerRelease)), Pin("Raumtemperatur"), Pin("Vorlauftemperatur"),
          Pin("Aussentemperatur"), Inv("Externer Schalter", F(HzkrRegParam, externalSwitch)),
          Pin("Vorlaufsolltemperatur"), Pin("eff. Raumsolltemperatur"), Pin("Wartungsbetrieb"),
          Pin("Frostschutzbetrieb"), Pin("Heizkreispumpe"), Label("HeizkreispumpeAusgType", S), Pin("Mischer"),
          Label("MischerAusgType", M)}},
        {"Kesselkaskade", texts::kTypeKesselkaskade, T::kTitleKesselkaskade,
         {Suffix("Freigabe Funktion", F(KesselkaskadeParam, release)),
          Suffix("Freigabe ab 2ter Kesselstufe", F(KesselkaskadeParam, release2)),
          ThirdStage("Freigabe ab 3ter Kesselstufe", F(KesselkaskadeParam, release3)), Pin("Vorlauftemperatur"),
          Pin("Energiekennzahl"), Label("beteiligte Funktionen Txt", P), Participant("beteiligte Funktion 1", 0),
          Participant("beteiligte Funktion 2", 1), Participant("beteiligte Funktion 3", 2),
          Participant("beteiligte Funktion 4", 3), Participant("beteiligte Funktion 5", 4),
          Participant("beteiligte Funktion 6", 5), Pin("Sollwert"), Pin("Status Kessel 1"), Pin("Status Kessel 2"),
          Pin("Status Kessel 3"), Label("Kessel A Txt", T::kBoilerA), Pin("Betriebsstd Kessel A"),
          Pin("Anforderung Kessel A"), Label("Anf Kessel A AusgType", S), Label("Kessel B Txt", T::kBoilerB),
          Pin("Betriebsstd Kessel B"), Pin("Anforderung Kessel B"), Label("Anf Kessel B AusgType", S),
          Label("Kessel C Txt", T::kBoilerC), Pin("Betriebsstd Kessel C"), Pin("Anforderung Kessel C"),
          Label("Anf Kessel C AusgType", S)},
         {Liste::Anforderungen, 6, F(KesselkaskadeParam, participantCount), F(KesselkaskadeParam, participants), 1}},
        {"Kühlfunktion", texts::kTypeKuehlfunc, T::kTitleKuehlfunc,
         {Suffix("Freigabe Funktion", F(KuehlfuncParam, release)), Pin("Referenztemperatur"),
          Pin("Referenztemperatur max"), Pin("Stellgrösse"), Label("StellgrösseAusgType", R), Pin("Status Kühlung"),
          Label("Status Kühlung AusgType", S)}},
        {"Ladepumpe", texts::kTypeLadepumpe, T::kTitleLadepumpe,
         {Suffix("Freigabe Funktion", F(LadepumpeParam, release)), Pin("Zubringertemperatur"),
          Pin("Referenztemperatur"), Pin("Mindesttemp Zubringer"), Pin("Maximaltemp Referenz"), Pin("Ladepumpe"),
          Label("LadepumpeAusgType", S)}},
        {"Logikfunktion", texts::kTypeLogikfunc, T::kTitleLogikfunc,
         {Suffix("Freigabe Funktion", F(LogikfuncParam, release)),
          Inv("Eingangsvariable 1", F(LogikfuncParam, inputs[0])),
          Inv("Eingangsvariable 2", F(LogikfuncParam, inputs[1])),
          Inv("Eingangsvariable 3", F(LogikfuncParam, inputs[2])),
          Inv("Eingangsvariable 4", F(LogikfuncParam, inputs[3])),
          Inv("Eingangsvariable 5", F(LogikfuncParam, inputs[4])),
          Inv("Eingangsvariable 6", F(LogikfuncParam, inputs[5])), Pin("Ergebnis"), Label("ErgebnisAusgType", S),
          Pin("Ergebnis invers"), Label("Ergebnis invers AusgType", S)}},
        {"Mischerregelfunktion", texts::kTypeMischerReg, T::kTitleMischerReg,
         {Suffix("Freigabe Funktion", F(MischerRegParam, release)), Pin("Regeltemperatur"), Pin("Sollwert"),
          Pin("Regelsolltemperatur"), Pin("Mischer"), Label("MischerAusgType", M)}},
        {"PID-Regelung", texts::kTypePID_Regelung, T::kTitlePID_Regelung,
         {Suffix("Freigabe Funktion", F(PID_RegelungParam, release)), Pin("Temp Absolutwertreg"),
          Pin("Sollwert Absolutwertreg"), Pin("Temp(+) Differenzreg"), Pin("Temp(-) Differenzreg"),
          Label("EreignisregelungTxt", T::kEventControl), Pin("Aktivierungstemperatur"), Pin("Aktivierungsschwelle"),
          Pin("Regeltemperatur"), Pin("Sollwert"), Pin("Stellgrösse"), Label("StellgrösseAusgType", R)}},
        {"Profilfunktion", texts::kTypeProfilfunc, T::kTitleProfilfunc,
         {Suffix("Freigabe Funktion", F(ProfilfuncParam, release)), Pin("Sollwert bei Freigabe AUS"),
          Inv("Start Profil", F(ProfilfuncParam, start)), Inv("Stop Profil", F(ProfilfuncParam, stop)),
          Inv("Reset Profil", F(ProfilfuncParam, reset)), Inv("Takt Profil", F(ProfilfuncParam, clock)),
          Pin("Sollwert"), Pin("aktuelle Stufe"), Pin("Status Profil"), Label("Status Profil AusgType", S)}},
        {"Schaltuhr", texts::kTypeSchaltuhr, T::kTitleSchaltuhr,
         {Suffix("Freigabe Funktion", F(SchaltuhrParam, release)), Inv("Blockadeeingang", F(SchaltuhrParam, blocking)),
          Pin("Sollwert"), Pin("Status Zeitbedingung"), Label("Status Zeitbed AusgType", S)}},
        {"Solarregelung", texts::kTypeSolarregelung, T::kTitleSolarregelung,
         {Suffix("Freigabe Funktion", F(SolarregelungParam, release)), Pin("Kollektortemperatur"),
          Pin("Referenztemperatur"), Pin("Begrenzungstemperatur"), Pin("Max_Begrenzung"), Pin("Solarkreis EIN"),
          Label("Solarkreis EIN AusgType", S)}},
        {"Solarvorrang", texts::kTypeSolarvorrang, T::kTitleSolarvorrang,
         {Suffix("Freigabe Funktion", F(SolarvorrangParam, release)), Pin("Solarstrahlung"),
          Label("beteiligte Funktionen Txt", P), Participant("beteiligte Funktion 1", 0),
          Participant("beteiligte Funktion 2", 1), Participant("beteiligte Funktion 3", 2),
          Participant("beteiligte Funktion 4", 3), Participant("beteiligte Funktion 5", 4),
          Participant("beteiligte Funktion 6", 5), Participant("beteiligte Funktion 7", 6),
          Participant("beteiligte Funktion 8", 7), Participant("beteiligte Funktion 9", 8),
          Participant("beteiligte Funktion 10", 9), Pin("Spülvorgang"), Label("SpülvorgangAusgType", S)},
         {Liste::Solar, 10, F(SolarvorrangParam, participantCount), F(SolarvorrangParam, participants),
          sizeof(SolarvorrangTeilnehmer)}},
        {"Startfunktion", texts::kTypeStartfunc, T::kTitleStartfunc,
         {Suffix("Freigabe Funktion", F(StartfuncParam, release)), Pin("Solarstrahlung"), Pin("Bezugstemperatur"),
          Label("beteiligte Funktionen Txt", P), Participant("beteiligte Funktion 1", 0),
          Participant("beteiligte Funktion 2", 1), Participant("beteiligte Funktion 3", 2),
          Participant("beteiligte Funktion 4", 3), Participant("beteiligte Funktion 5", 4),
          Participant("beteiligte Funktion 6", 5), Participant("beteiligte Funktion 7", 6),
          Participant("beteiligte Funktion 8", 7), Participant("beteiligte Funktion 9", 8),
          Participant("beteiligte Funktion 10", 9), Pin("Spülvorgang"), Label("SpülvorgangAusgType", S)},
         {Liste::Solar2, 10, F(StartfuncParam, solarCount), F(StartfuncParam, solarControls), 1}},
        {"Synchronisation", texts::kTypeSync, T::kTitleSync,
         {Suffix("Freigabe Funktion", F(SyncParam, release)), Pin("Sommerzeit"), Pin("Reglerstart"), Pin("Status Sync"),
          Label("Status Sync AusgType", S)}},
        {"Timerfunktion", texts::kTypeTimer, T::kTitleTimer,
         {Suffix("Freigabe Funktion", F(TimerParam, release)), Suffix("Triggereingang", F(TimerParam, trigger)),
          Pin("Tastverhältnis"), Pin("Timerausgang"), Label("TimerausgangAusgType", S), Pin("Timerausgang invers"),
          Label("Timerausgang inv AusgType", S)}},
        {"Vergleich", texts::kTypeVergleich, T::kTitleVergleich,
         {Suffix("Freigabe Funktion", F(VergleichParam, release)), Pin("Wert a"), Pin("Wert b"), Pin("Ergebnis"),
          Label("ErgebnisAusgType", S), Pin("Ergebnis invers"), Label("Ergebnis invers AusgType", S)}},
        {"Wärmemengenzähler", texts::kTypeWMZ, T::kTitleWMZ,
         {Suffix("Freigabe Funktion", F(WMZParam, release)), Pin("Vorlauftemperatur"), Pin("Rücklauftemperatur"),
          Pin("Volumenstrom"), Inv("Zählerrücksetzung", F(WMZParam, reset)), Pin("Leistung"), Pin("MWh"), Pin("kWh")}},
        {"Wartungsfunktion", texts::kTypeWartungsfunc, T::kTitleWartungsfunc,
         {Inv("Freigabe Funktion", F(WartungsfuncParam, externalSwitch)), Label("beteiligte Funktionen Txt", P),
          Participant("beteiligte Funktion 1", 0), Participant("beteiligte Funktion 2", 1),
          Participant("beteiligte Funktion 3", 2), Participant("beteiligte Funktion 4", 3),
          Participant("beteiligte Funktion 5", 4), Pin("Brenneranforderung"), Label("BrenneranforderungAusgType", S),
          Pin("Brennerleistung"), Label("BrennerleistungAusgType", R)},
         {Liste::Heizkreise, 5, F(WartungsfuncParam, circuitCount), F(WartungsfuncParam, circuits), 1}},
        {"Zähler", texts::kTypeZaehler, T::kTitleZaehler,
         {Suffix("Freigabe Funktion", F(ZaehlerParam, release)), Inv("Eingang 1", F(ZaehlerParam, inputs[0])),
          Inv("Eingang 2", F(ZaehlerParam, inputs[1])), Inv("Eingang 3", F(ZaehlerParam, inputs[2])),
          Inv("Eingang 4", F(ZaehlerParam, inputs[3])), Inv("Eingang 5", F(ZaehlerParam, inputs[4])),
          Inv("Eingang 6", F(ZaehlerParam, inputs[5])), Inv("Zählerrücksetzung", F(ZaehlerParam, reset)),
          Pin("Zählerstand")}},
        {"Zirkulation", texts::kTypeZirkulation, T::kTitleZirkulation,
         {Suffix("Freigabe Funktion", F(ZirkulationParam, release)), Pin("Rücklauftemperatur"),
          Pin("Warmwassertemperatur"), Pin("Solltemperatur Zirkuleitung"), Pin("Speichertemperatur"),
          Pin("eff_ZRLSollTemp"), Pin("Status Zirkulation"), Label("Status Zirkulation AusgType", S)}},
    };
    return arten;
}

#undef F

const FunktionsArt* FindArt(const CString& kind)
{
    for (const FunktionsArt& art : Arten())
        if (kind == art.kind) return &art;
    return nullptr;
}

// Byte k of a decoded record; 0 beyond its end.
BYTE ByteAt(const std::vector<BYTE>& record, int k)
{
    return k >= 0 && static_cast<size_t>(k) < record.size() ? record[static_cast<size_t>(k)] : 0;
}

// The names of the participants, one per participant byte.
std::vector<CString> TeilnehmerNamen(const Teilnehmer& t, const std::vector<BYTE>& record, CParaDaten& para,
                                     CTexte& texte)
{
    if (t.list == Liste::Keine) return {};
    FunktionsListe list;
    texte.GetTeilnehmerListe(t.list, list, &para);
    const int inUse = ByteAt(record, t.countByte);
    std::vector<CString> names;
    for (int i = 0; i < t.count; ++i) {
        const BYTE participant = ByteAt(record, t.firstByte + i * t.step);  // function number + 1; 0 none
        names.push_back(texte.GetTeilnehmerText(list, static_cast<BYTE>(inUse), static_cast<BYTE>(i), participant));
    }
    return names;
}

}  // namespace

bool CTranslate::IsFunktion(const CString& kind)
{
    return FindArt(kind) != nullptr;
}

void CTranslate::TranslateFunktion(TranslateFile& file, CSCCmd& channel, CParaDaten& para, CTexte& texte,
                                   const TranslateHeader& header)
{
    const FunktionsArt* art = FindArt(header.kind);
    if (!art) return;
    const int work = CParaDaten::kWorkFile;

    // The record is the object's only when its slot carries the object's id and the kind's type; an id of 0 or
    // below would find a free slot.
    std::vector<BYTE> record;
    if (header.objectId > 0) {
        const BYTE slot = para.FindFuncSlot(work, header.objectId);
        FuncEntry entry;
        if (slot != 0 && para.GetFuncEntry(work, slot, entry) && entry.type == art->typeCode)
            record = functypes::ReadRepairedFuncRecord(para, work, slot, art->typeCode, false);
    }
    const bool hasRecord = !record.empty();
    auto byteAt = [&record](int k) { return ByteAt(record, k); };
    const std::vector<CString> participants =
        hasRecord ? TeilnehmerNamen(art->teilnehmer, record, para, texte) : std::vector<CString>();

    // "TypeTxt", "Type", "BezeichnungTxt", "EingangsvarTxt", "AusgangsvarTxt", then the kind's texts.
    std::vector<int> ids;
    if (!ReadNumbers(file, 5 + static_cast<int>(art->texts.size()), ids)) return;

    if (hasRecord) {
        const Bezeichnung designation{byteAt(0), byteAt(1), byteAt(2)};
        Queue(channel, header.designationTextId, texte.GetBezeichnungText(work, header.kind, designation));
    }
    Queue(channel, ids[0], T::kTypeLabel);
    Queue(channel, ids[1], art->title);
    Queue(channel, ids[2], T::kDesignationLabel);
    Queue(channel, ids[3], T::kInputVariablesLabel);
    Queue(channel, ids[4], T::kOutputVariablesLabel);

    for (size_t i = 0; i < art->texts.size(); ++i) {
        const Text& def = art->texts[i];
        const int id = ids[5 + i];
        const int k = def.arg;
        switch (def.art) {
        case Art::kPin:
            Queue(channel, id, texte.GetPinText(header.kind, def.object));
            break;
        case Art::kLabel:
            Queue(channel, id, def.label);
            break;
        case Art::kPinSuffix:
        case Art::kPinThirdStage:
        case Art::kPinInverted: {
            if (!hasRecord) break;
            CString label = texte.GetPinText(header.kind, def.object);
            if (def.art == Art::kPinInverted) {
                AppendSuffix(label, byteAt(k), 1, byteAt(k + 1), 0);
            } else {
                const int boilers = static_cast<int>(offsetof(KesselkaskadeParam, boilerCount));
                const BYTE suppressOff = def.art == Art::kPinThirdStage && byteAt(boilers) <= 2 ? 1 : 0;
                AppendSuffix(label, byteAt(k), suppressOff, byteAt(k + 1), byteAt(k + 2));
            }
            Queue(channel, id, label);
            break;
        }
        case Art::kParticipant:
            if (hasRecord && static_cast<size_t>(k) < participants.size())
                Queue(channel, id, participants[static_cast<size_t>(k)]);
            break;
        }
    }
}
