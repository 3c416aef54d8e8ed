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

#include <cstring>

namespace T = ui::symbols;

namespace {

// How one text of a function symbol is made. "Byte k" is position k of the kind's decoded, repaired record.
enum class Art : BYTE {
    kPin,            // the pin's display text
    kPinSuffix,      // the pin's display text with the mark of the digital source at bytes k .. k + 2
    kPinThirdStage,  // as kPinSuffix; no " (OFF)" while the cascade has at most two boilers (byte 14)
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
        {"Analogfunktion", 11, T::kTitleAnalogfunc,
         {Suffix("Freigabe Funktion", 4), Pin("Ergebnis bei Freigabe AUS"), Pin("Eingangsvariable 1"),
          Pin("Eingangsvariable 2"), Pin("Eingangsvariable 3"), Pin("Eingangsvariable 4"), Pin("Eingangsvariable 5"),
          Pin("Eingangsvariable 6"), Pin("Ergebnis"), Label("ErgebnisAusgType", R)}},
        {"Anforderung Heizung", 2, T::kTitleAnfHeizung,
         {Suffix("Freigabe Funktion", 4), Pin("Anforderungstemperatur"), Pin("Abschalttemperatur"),
          Pin("Sollwert Anforderung"), Pin("Sollwert Abschaltung"), Pin("Anforderung"),
          Label("AnforderungAusgType", S)}},
        {"Anforderung Warmwasser", 3, T::kTitleAnfWarmwasser,
         {Suffix("Freigabe Funktion", 4), Pin("Warmwassertemperatur"), Pin("Solltemperatur"),
          Inv("Externer Schalter", 18), Pin("effektive Solltemperatur"), Pin("akt Solltemperatur"),
          Pin("Anforderung"), Label("AnforderungAusgType", S), Pin("Brennerleistung"),
          Label("BrennerleistungAusgType", R)}},
        {"Funktionskontrolle", 20, T::kTitleFuncKontrolle,
         {Pin("Kontrollwert a"), Pin("Kontrollwert b"), Suffix("Freigabe Diff-Kontrolle", 10), Pin("Fehler Wert"),
          Label("Fehler Wert AusgType", S), Pin("Fehler Differenz"), Label("Fehler Differenz AusgType", S)}},
        {"Heizkreisregler", 1, T::kTitleHzkrReg,
         {Suffix("Freigabe Funktion", 4), Suffix("Freigabe Pumpe", 39), Suffix("Freigabe Mischer", 42),
          Pin("Raumtemperatur"), Pin("Vorlauftemperatur"), Pin("Aussentemperatur"), Inv("Externer Schalter", 51),
          Pin("Vorlaufsolltemperatur"), Pin("eff. Raumsolltemperatur"), Pin("Wartungsbetrieb"),
          Pin("Frostschutzbetrieb"), Pin("Heizkreispumpe"), Label("HeizkreispumpeAusgType", S), Pin("Mischer"),
          Label("MischerAusgType", M)}},
        {"Kesselkaskade", 23, T::kTitleKesselkaskade,
         {Suffix("Freigabe Funktion", 4), Suffix("Freigabe ab 2ter Kesselstufe", 7),
          ThirdStage("Freigabe ab 3ter Kesselstufe", 10), Pin("Vorlauftemperatur"), Pin("Energiekennzahl"),
          Label("beteiligte Funktionen Txt", P), Participant("beteiligte Funktion 1", 0),
          Participant("beteiligte Funktion 2", 1), Participant("beteiligte Funktion 3", 2),
          Participant("beteiligte Funktion 4", 3), Participant("beteiligte Funktion 5", 4),
          Participant("beteiligte Funktion 6", 5), Pin("Sollwert"), Pin("Status Kessel 1"), Pin("Status Kessel 2"),
          Pin("Status Kessel 3"), Label("Kessel A Txt", T::kBoilerA), Pin("Betriebsstd Kessel A"),
          Pin("Anforderung Kessel A"), Label("Anf Kessel A AusgType", S), Label("Kessel B Txt", T::kBoilerB),
          Pin("Betriebsstd Kessel B"), Pin("Anforderung Kessel B"), Label("Anf Kessel B AusgType", S),
          Label("Kessel C Txt", T::kBoilerC), Pin("Betriebsstd Kessel C"), Pin("Anforderung Kessel C"),
          Label("Anf Kessel C AusgType", S)},
         {Liste::Anforderungen, 6, 13, 18, 1}},
        {"Kühlfunktion", 18, T::kTitleKuehlfunc,
         {Suffix("Freigabe Funktion", 4), Pin("Referenztemperatur"), Pin("Referenztemperatur max"),
          Pin("Stellgrösse"), Label("StellgrösseAusgType", R), Pin("Status Kühlung"),
          Label("Status Kühlung AusgType", S)}},
        {"Ladepumpe", 4, T::kTitleLadepumpe,
         {Suffix("Freigabe Funktion", 4), Pin("Zubringertemperatur"), Pin("Referenztemperatur"),
          Pin("Mindesttemp Zubringer"), Pin("Maximaltemp Referenz"), Pin("Ladepumpe"),
          Label("LadepumpeAusgType", S)}},
        {"Logikfunktion", 10, T::kTitleLogikfunc,
         {Suffix("Freigabe Funktion", 4), Inv("Eingangsvariable 1", 41), Inv("Eingangsvariable 2", 44),
          Inv("Eingangsvariable 3", 47), Inv("Eingangsvariable 4", 50), Inv("Eingangsvariable 5", 53),
          Inv("Eingangsvariable 6", 56), Pin("Ergebnis"), Label("ErgebnisAusgType", S), Pin("Ergebnis invers"),
          Label("Ergebnis invers AusgType", S)}},
        {"Mischerregelfunktion", 19, T::kTitleMischerReg,
         {Suffix("Freigabe Funktion", 4), Pin("Regeltemperatur"), Pin("Sollwert"), Pin("Regelsolltemperatur"),
          Pin("Mischer"), Label("MischerAusgType", M)}},
        {"PID-Regelung", 8, T::kTitlePID_Regelung,
         {Suffix("Freigabe Funktion", 4), Pin("Temp Absolutwertreg"), Pin("Sollwert Absolutwertreg"),
          Pin("Temp(+) Differenzreg"), Pin("Temp(-) Differenzreg"), Label("EreignisregelungTxt", T::kEventControl),
          Pin("Aktivierungstemperatur"), Pin("Aktivierungsschwelle"), Pin("Regeltemperatur"), Pin("Sollwert"),
          Pin("Stellgrösse"), Label("StellgrösseAusgType", R)}},
        {"Profilfunktion", 22, T::kTitleProfilfunc,
         {Suffix("Freigabe Funktion", 4), Pin("Sollwert bei Freigabe AUS"), Inv("Start Profil", 10),
          Inv("Stop Profil", 13), Inv("Reset Profil", 19), Inv("Takt Profil", 16), Pin("Sollwert"),
          Pin("aktuelle Stufe"), Pin("Status Profil"), Label("Status Profil AusgType", S)}},
        {"Schaltuhr", 15, T::kTitleSchaltuhr,
         {Suffix("Freigabe Funktion", 4), Inv("Blockadeeingang", 15), Pin("Sollwert"), Pin("Status Zeitbedingung"),
          Label("Status Zeitbed AusgType", S)}},
        {"Solarregelung", 6, T::kTitleSolarregelung,
         {Suffix("Freigabe Funktion", 4), Pin("Kollektortemperatur"), Pin("Referenztemperatur"),
          Pin("Begrenzungstemperatur"), Pin("Max_Begrenzung"), Pin("Solarkreis EIN"),
          Label("Solarkreis EIN AusgType", S)}},
        {"Solarvorrang", 7, T::kTitleSolarvorrang,
         {Suffix("Freigabe Funktion", 4), Pin("Solarstrahlung"), Label("beteiligte Funktionen Txt", P),
          Participant("beteiligte Funktion 1", 0), Participant("beteiligte Funktion 2", 1),
          Participant("beteiligte Funktion 3", 2), Participant("beteiligte Funktion 4", 3),
          Participant("beteiligte Funktion 5", 4), Participant("beteiligte Funktion 6", 5),
          Participant("beteiligte Funktion 7", 6), Participant("beteiligte Funktion 8", 7),
          Participant("beteiligte Funktion 9", 8), Participant("beteiligte Funktion 10", 9), Pin("Spülvorgang"),
          Label("SpülvorgangAusgType", S)},
         {Liste::Solar, 10, 7, 30, 2}},
        {"Startfunktion", 16, T::kTitleStartfunc,
         {Suffix("Freigabe Funktion", 4), Pin("Solarstrahlung"), Pin("Bezugstemperatur"),
          Label("beteiligte Funktionen Txt", P), Participant("beteiligte Funktion 1", 0),
          Participant("beteiligte Funktion 2", 1), Participant("beteiligte Funktion 3", 2),
          Participant("beteiligte Funktion 4", 3), Participant("beteiligte Funktion 5", 4),
          Participant("beteiligte Funktion 6", 5), Participant("beteiligte Funktion 7", 6),
          Participant("beteiligte Funktion 8", 7), Participant("beteiligte Funktion 9", 8),
          Participant("beteiligte Funktion 10", 9), Pin("Spülvorgang"), Label("SpülvorgangAusgType", S)},
         {Liste::Solar2, 10, 7, 33, 1}},
        {"Synchronisation", 21, T::kTitleSync,
         {Suffix("Freigabe Funktion", 4), Pin("Sommerzeit"), Pin("Reglerstart"), Pin("Status Sync"),
          Label("Status Sync AusgType", S)}},
        {"Timerfunktion", 14, T::kTitleTimer,
         {Suffix("Freigabe Funktion", 4), Suffix("Triggereingang", 22), Pin("Tastverhältnis"), Pin("Timerausgang"),
          Label("TimerausgangAusgType", S), Pin("Timerausgang invers"), Label("Timerausgang inv AusgType", S)}},
        {"Vergleich", 9, T::kTitleVergleich,
         {Suffix("Freigabe Funktion", 4), Pin("Wert a"), Pin("Wert b"), Pin("Ergebnis"),
          Label("ErgebnisAusgType", S), Pin("Ergebnis invers"), Label("Ergebnis invers AusgType", S)}},
        {"Wärmemengenzähler", 12, T::kTitleWMZ,
         {Suffix("Freigabe Funktion", 4), Pin("Vorlauftemperatur"), Pin("Rücklauftemperatur"), Pin("Volumenstrom"),
          Inv("Zählerrücksetzung", 14), Pin("Leistung"), Pin("MWh"), Pin("kWh")}},
        {"Wartungsfunktion", 13, T::kTitleWartungsfunc,
         {Inv("Freigabe Funktion", 4), Label("beteiligte Funktionen Txt", P),
          Participant("beteiligte Funktion 1", 0), Participant("beteiligte Funktion 2", 1),
          Participant("beteiligte Funktion 3", 2), Participant("beteiligte Funktion 4", 3),
          Participant("beteiligte Funktion 5", 4), Pin("Brenneranforderung"),
          Label("BrenneranforderungAusgType", S), Pin("Brennerleistung"), Label("BrennerleistungAusgType", R)},
         {Liste::Heizkreise, 5, 7, 32, 1}},
        {"Zähler", 17, T::kTitleZaehler,
         {Suffix("Freigabe Funktion", 4), Inv("Eingang 1", 13), Inv("Eingang 2", 16), Inv("Eingang 3", 19),
          Inv("Eingang 4", 22), Inv("Eingang 5", 25), Inv("Eingang 6", 28), Inv("Zählerrücksetzung", 10),
          Pin("Zählerstand")}},
        {"Zirkulation", 5, T::kTitleZirkulation,
         {Suffix("Freigabe Funktion", 4), Pin("Rücklauftemperatur"), Pin("Warmwassertemperatur"),
          Pin("Solltemperatur Zirkuleitung"), Pin("Speichertemperatur"), Pin("eff_ZRLSollTemp"),
          Pin("Status Zirkulation"), Label("Status Zirkulation AusgType", S)}},
    };
    return arten;
}

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
                const BYTE suppressOff = def.art == Art::kPinThirdStage && byteAt(14) <= 2 ? 1 : 0;
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
