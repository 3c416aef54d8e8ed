// The translation of the sample drawings: their export read by the real XML import, which writes "Translate.tmp",
// and a parameter set whose slots follow the drawing.
#include "translate/CTranslate.h"

#include "TranslateTestFolder.h"

#include "drawing/ObjectKinds.h"
#include "drawing/ParseXml.h"
#include "store/FunctionTypes.h"
#include "texts/CTexte.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// One drawing object of the export: its id, name ("Kind$n") and the ids of its text objects by name.
struct XmlObject {
    int id = 0;
    std::string name;
    std::map<std::string, int> texts;
    std::string Kind() const { return name.substr(0, name.find('$')); }
};

// The element text of the first <tag> in [from, to); "" when there is none.
std::string Element(const std::string& xml, const std::string& tag, size_t from, size_t to)
{
    const std::string open = "<" + tag + ">", close = "</" + tag + ">";
    const size_t start = xml.find(open, from);
    if (start == std::string::npos || start >= to) return "";
    const size_t end = xml.find(close, start);
    return xml.substr(start + open.size(), end - start - open.size());
}

// The sample files are UTF-8; names in the program are Windows-1252 (only Latin-1 letters occur in them).
std::string ToCp1252(const std::string& utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            out += static_cast<char>((c == 0xC3 ? 0x40 : 0x00) + static_cast<unsigned char>(utf8[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::vector<XmlObject> ReadObjects(const std::string& xml)
{
    std::vector<XmlObject> objects;
    for (size_t at = xml.find("<object>"); at != std::string::npos; at = xml.find("<object>", at + 1)) {
        const size_t end = xml.find("</object>", at);
        XmlObject object;
        object.id = std::stoi(Element(xml, "id", at, end));
        object.name = ToCp1252(Element(xml, "name", at, end));
        for (size_t g = xml.find("<groupobject>", at); g < end; g = xml.find("<groupobject>", g + 1)) {
            const size_t gEnd = xml.find("</groupobject>", g);
            if (Element(xml, "type", g, gEnd) == "text")
                object.texts[ToCp1252(Element(xml, "name", g, gEnd))] = std::stoi(Element(xml, "id", g, gEnd));
        }
        objects.push_back(object);
    }
    return objects;
}

class SampleDrawingTest : public TranslateTestFolder {
protected:
    // Parses the sample into the exchange files and gives every function and message object its slot, as the
    // drawing evaluation does before the translation.
    std::vector<XmlObject> Load(const std::string& relativePath)
    {
        const std::string path = std::string(MORV_SOURCE_DIR) + "/" + relativePath;
        ::testing::internal::CaptureStderr();
        const int parsed = drawing::ParseXml(path.c_str());
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(parsed, drawing::kParseOk) << path;
        const std::vector<XmlObject> objects = ReadObjects(ReadFile(path));
        for (const XmlObject& object : objects) {
            const drawing::KindInfo* kind = drawing::FindKind(object.Kind());
            if (kind && kind->family == drawing::KindFamily::Funktion) {
                EXPECT_TRUE(m_para->CreateFunc(2, object.id, kind->typeCode, nullptr)) << object.name;
            } else if (kind && kind->family == drawing::KindFamily::Meldung) {
                EXPECT_TRUE(m_para->CreateMeldung(2, object.id, nullptr)) << object.name;
            }
        }
        return objects;
    }
};

TEST_F(SampleDrawingTest, VornaSampleQueuesExactlyTheseCommands)
{
    Load("samples/VORNA.xml");
    EingangParam input;
    input.type = 2;  // analog temperature, consumer list item 5, digit 3
    input.quantity = 1;
    input.group = 2;
    input.index = 5;
    input.digit = 3;
    ASSERT_TRUE(m_para->SetEingang(2, 1, input));
    input = EingangParam();
    input.type = 1;  // digital, item 2
    input.quantity = 1;
    input.index = 2;
    ASSERT_TRUE(m_para->SetEingang(2, 2, input));
    NetzEingang digital[16] = {};
    digital[4] = NetzEingang{1, 12, 3};
    ASSERT_TRUE(m_para->SetNetzEingaengeDigital(2, digital));
    const BYTE slot = m_para->FindFuncSlot(2, 200);
    HzkrRegParam circuit;
    ASSERT_TRUE(m_para->GetHzkrReg(2, slot, circuit, false));
    circuit.designation = {0, 2, 1};  // "RISC.PAV.", digit 1
    circuit.release = {1, 1, 2};      // input 2, inverted
    ASSERT_TRUE(m_para->SetHzkrReg(2, slot, circuit));

    bool result = false;
    const Lines lines = RunTranslation(&result);
    EXPECT_TRUE(result);
    // Objects of library version 10 and below (and those without a version mark) keep their texts; text objects
    // the sample leaves out have no id and get no command.
    const Lines expected = {
        // "Eingang$1" (100)
        Cmd(104, " S "),
        Cmd(102, "T.Bolittore3"),
        // "Eingang$2" (110)
        Cmd(114, " S "),
        Cmd(112, "Flussostato"),
        // "Heizkreisregler$0" (200)
        Cmd(202, "  RISC.PAV.1  "),
        Cmd(203, "Tipo:"),
        Cmd(204, "  Regolatore circ. risc.  "),
        Cmd(211, "ABL circ. risc. (inv.)"),
        Cmd(221, "Temp. mandata"),
        Cmd(241, "(Uscita comm.)"),
        // "Anforderung Heizung$1" (260, version 12)
        Cmd(262, "  - - - - - -  "),
        Cmd(276, "(Uscita comm.)"),
        // "Netzwerkeingang$5" (700)
        Cmd(703, "   Rete - var. di ingresso (DL)   "),
        Cmd(704, "12"),
        Cmd(705, "3"),
    };
    EXPECT_EQ(lines, expected) << Show(lines);
}

// The texts of each function kind after the five shared ones, by text object, as the drawing shows them. Marks:
// 'S' the digital source at byte k may add " (inv.)" or " (OFF)"; 'I' only " (inv.)"; 'K' as 'S', without OFF while
// the cascade has at most two boilers; 'P' participant k.
struct KindText {
    const char* object;
    const char* text;
    char mark = 0;
    int k = 0;
};

struct KindTexts {
    const char* kind;
    const char* title;
    std::vector<KindText> texts;
};

const std::vector<KindTexts>& ExpectedKinds()
{
    static const std::vector<KindTexts> kinds = {
        {"Analogfunktion", "  Funzione analogica  ",
         {{"Freigabe Funktion", "ABL funz. anal.", 'S', 4}, {"Ergebnis bei Freigabe AUS", "Risultato (ABL=OFF)"},
          {"Eingangsvariable 1", "Variabile ingresso 1"}, {"Eingangsvariable 2", "Variabile ingresso 2"},
          {"Eingangsvariable 3", "Variabile ingresso 3"}, {"Eingangsvariable 4", "Variabile ingresso 4"},
          {"Eingangsvariable 5", "Variabile ingresso 5"}, {"Eingangsvariable 6", "Variabile ingresso 6"},
          {"Ergebnis", "Risultato"}, {"ErgebnisAusgType", "(Usc. Num. giri)"}}},
        {"Anforderung Heizung", "  Richiesta riscaldamento  ",
         {{"Freigabe Funktion", "ABL richiesta", 'S', 4}, {"Anforderungstemperatur", "Richiesta temp."},
          {"Abschalttemperatur", "Temp. disattivazione"}, {"Sollwert Anforderung", "Valore nom. richiesta "},
          {"Sollwert Abschaltung", "Valore nom. disattivaz."}, {"Anforderung", "Richiesta"},
          {"AnforderungAusgType", "(Uscita comm.)"}}},
        {"Anforderung Warmwasser", "  Richiesta AC  ",
         {{"Freigabe Funktion", "ABL Richiesta", 'S', 4}, {"Warmwassertemperatur", "Temp. acqua calda"},
          {"Solltemperatur", "Temp. nominale"}, {"Externer Schalter", "Commutatore est.", 'I', 18},
          {"effektive Solltemperatur", "Temp. nom. eff. "}, {"akt Solltemperatur", "Temp. nominale"},
          {"Anforderung", "Richiesta"}, {"AnforderungAusgType", "(Uscita comm.)"},
          {"Brennerleistung", "Potenza bruciat."}, {"BrennerleistungAusgType", "(Usc. Num. giri)"}}},
        {"Funktionskontrolle", "  Controllo funzionalità  ",
         {{"Kontrollwert a", "Valore controllo a "}, {"Kontrollwert b", "Valore controllo b"},
          {"Freigabe Diff-Kontrolle", "ABL contr. diff.", 'S', 10}, {"Fehler Wert", "Errore valore"},
          {"Fehler Wert AusgType", "(Uscita comm.)"}, {"Fehler Differenz", "Errore diff."},
          {"Fehler Differenz AusgType", "(Uscita comm.)"}}},
        {"Heizkreisregler", "  Regolatore circ. risc.  ",
         {{"Freigabe Funktion", "ABL circ. risc.", 'S', 4}, {"Freigabe Pumpe", "ABL pompa", 'S', 39},
          {"Freigabe Mischer", "ABL miscelatore", 'S', 42}, {"Raumtemperatur", "Temp. ambiente"},
          {"Vorlauftemperatur", "Temp. mandata"}, {"Aussentemperatur", "Temp. esterna"},
          {"Externer Schalter", "Commutatore est.", 'I', 51}, {"Vorlaufsolltemperatur", "T.nom. mandata"},
          {"eff. Raumsolltemperatur", "T.amb. nom. eff."}, {"Wartungsbetrieb", "Mod. manutenz."},
          {"Frostschutzbetrieb", "Mod. antigelo"}, {"Heizkreispumpe", "Pompa circ. risc."},
          {"HeizkreispumpeAusgType", "(Uscita comm.)"}, {"Mischer", "Misc. ap./chiuso"},
          {"MischerAusgType", "(Uscita misc.)"}}},
        {"Kesselkaskade", "  Caldaie in cascata  ",
         {{"Freigabe Funktion", "ABL Cald. casc. ", 'S', 4},
          {"Freigabe ab 2ter Kesselstufe", "ABL 2. Liv.Cald.", 'S', 7},
          {"Freigabe ab 3ter Kesselstufe", "ABL 3. Liv.Cald.", 'K', 10}, {"Vorlauftemperatur", "Temperatura mandata"},
          {"Energiekennzahl", "Valore dell’energia"}, {"beteiligte Funktionen Txt", "Funzioni interessate:"},
          {"beteiligte Funktion 1", "", 'P', 0}, {"beteiligte Funktion 2", "", 'P', 1},
          {"beteiligte Funktion 3", "", 'P', 2}, {"beteiligte Funktion 4", "", 'P', 3},
          {"beteiligte Funktion 5", "", 'P', 4}, {"beteiligte Funktion 6", "", 'P', 5},
          {"Sollwert", "Valore nominale "}, {"Status Kessel 1", "Stato Cald. 1"}, {"Status Kessel 2", "Stato Cald. 2"},
          {"Status Kessel 3", "Stato Cald. 3"}, {"Kessel A Txt", "Caldaia A:"},
          {"Betriebsstd Kessel A", "Ore di esercizio"}, {"Anforderung Kessel A", "Richiesta"},
          {"Anf Kessel A AusgType", "(Uscita comm.)"}, {"Kessel B Txt", "Caldaia B:"},
          {"Betriebsstd Kessel B", "Ore di esercizio"}, {"Anforderung Kessel B", "Richiesta"},
          {"Anf Kessel B AusgType", "(Uscita comm.)"}, {"Kessel C Txt", "Caldaia C:"},
          {"Betriebsstd Kessel C", "Ore di esercizio"}, {"Anforderung Kessel C", "Richiesta"},
          {"Anf Kessel C AusgType", "(Uscita comm.)"}}},
        {"Kühlfunktion", "  Funz. Raffreddamento  ",
         {{"Freigabe Funktion", "ABL Funz. Raff.", 'S', 4}, {"Referenztemperatur", "Temp. di riferimento"},
          {"Referenztemperatur max", "Temp. max. Riferim."}, {"Stellgrösse", "Grandezza regol."},
          {"StellgrösseAusgType", "(Usc. Num. giri)"}, {"Status Kühlung", "Raffrescamento"},
          {"Status Kühlung AusgType", "(Uscita comm.)"}}},
        {"Ladepumpe", "  Pompa di carico  ",
         {{"Freigabe Funktion", "ABL pompa", 'S', 4}, {"Zubringertemperatur", "Temp. alimentazione"},
          {"Referenztemperatur", "Temp. di riferimento"}, {"Mindesttemp Zubringer", "Temp. min. alimentazione"},
          {"Maximaltemp Referenz", "Temp. max. riferimento"}, {"Ladepumpe", "Pompa di carico"},
          {"LadepumpeAusgType", "(Uscita comm.)"}}},
        {"Logikfunktion", "  Funzione logica  ",
         {{"Freigabe Funktion", "ABL Funz.log.", 'S', 4}, {"Eingangsvariable 1", "Variabile ingr. 1", 'I', 41},
          {"Eingangsvariable 2", "Variabile ingr. 2", 'I', 44}, {"Eingangsvariable 3", "Variabile ingr. 3", 'I', 47},
          {"Eingangsvariable 4", "Variabile ingr. 4", 'I', 50}, {"Eingangsvariable 5", "Variabile ingr. 5", 'I', 53},
          {"Eingangsvariable 6", "Variabile ingr. 6", 'I', 56}, {"Ergebnis", "Risultato"},
          {"ErgebnisAusgType", "(Uscita comm.)"}, {"Ergebnis invers", "Risultato inv."},
          {"Ergebnis invers AusgType", "(Uscita comm.)"}}},
        {"Mischerregelfunktion", "  Funz. Regolaz. misc.  ",
         {{"Freigabe Funktion", "ABL miscelatore", 'S', 4}, {"Regeltemperatur", "Temp. di regolazione"},
          {"Sollwert", "Valore nominale"}, {"Regelsolltemperatur", "T. nom. Regol."},
          {"Mischer", "Misc. ap./chiuso"}, {"MischerAusgType", "(Uscita misc.)"}}},
        {"PID-Regelung", "  Regolazione P.I.D.  ",
         {{"Freigabe Funktion", "ABL Regolazione", 'S', 4}, {"Temp Absolutwertreg", "T. Regol. Val. Abs."},
          {"Sollwert Absolutwertreg", "Vnom. Regol.Val.Abs."}, {"Temp(+) Differenzreg", "Temp. (+) Reg. diff."},
          {"Temp(-) Differenzreg", "Temp. (-) Reg. diff."}, {"EreignisregelungTxt", "Regolazione eventi"},
          {"Aktivierungstemperatur", "Temp. attivazione"}, {"Aktivierungsschwelle", "Soglia attivazione"},
          {"Regeltemperatur", "Temp. di regolazione"}, {"Sollwert", "Valore nominale"},
          {"Stellgrösse", "Grandezza regol."}, {"StellgrösseAusgType", "(Usc. Num. giri)"}}},
        {"Profilfunktion", "  Funzione Profili  ",
         {{"Freigabe Funktion", "ABL Profilo", 'S', 4}, {"Sollwert bei Freigabe AUS", "Val. nom. (ABL=OFF)"},
          {"Start Profil", "Start Profilo", 'I', 10}, {"Stop Profil", "Stop Profilo", 'I', 13},
          {"Reset Profil", "Reset Profilo", 'I', 19}, {"Takt Profil", "Cadenza Profilo", 'I', 16},
          {"Sollwert", "Valore nominale"}, {"aktuelle Stufe", "Livello attivo"}, {"Status Profil", "Stato Profilo"},
          {"Status Profil AusgType", "(Uscita comm.)"}}},
        {"Schaltuhr", "  Interruttore orario  ",
         {{"Freigabe Funktion", "ABL Interr. or.", 'S', 4}, {"Blockadeeingang", "Ingr.Bloc. crit.", 'I', 15},
          {"Sollwert", "Valore nominale"}, {"Status Zeitbedingung", "Stato cond. temp."},
          {"Status Zeitbed AusgType", "(Uscita comm.)"}}},
        {"Solarregelung", "  Regolazione solare  ",
         {{"Freigabe Funktion", "ABL Circuito solare", 'S', 4}, {"Kollektortemperatur", "Temp. collettore"},
          {"Referenztemperatur", "Temp. di riferimento"}, {"Begrenzungstemperatur", "Temperatura limite"},
          {"Max_Begrenzung", "Limite massimo"}, {"Solarkreis EIN", "Circ. solare ON"},
          {"Solarkreis EIN AusgType", "(Uscita comm.)"}}},
        {"Solarvorrang", "  Priorità solare  ",
         {{"Freigabe Funktion", "ABL Prior. sol.", 'S', 4}, {"Solarstrahlung", "Radiazione solare"},
          {"beteiligte Funktionen Txt", "Funzioni interessate:"}, {"beteiligte Funktion 1", "", 'P', 0},
          {"beteiligte Funktion 2", "", 'P', 1}, {"beteiligte Funktion 3", "", 'P', 2},
          {"beteiligte Funktion 4", "", 'P', 3}, {"beteiligte Funktion 5", "", 'P', 4},
          {"beteiligte Funktion 6", "", 'P', 5}, {"beteiligte Funktion 7", "", 'P', 6},
          {"beteiligte Funktion 8", "", 'P', 7}, {"beteiligte Funktion 9", "", 'P', 8},
          {"beteiligte Funktion 10", "", 'P', 9}, {"Spülvorgang", "Ciclo di pulizia"},
          {"SpülvorgangAusgType", "(Uscita comm.)"}}},
        {"Startfunktion", "  Funzione Avvio  ",
         {{"Freigabe Funktion", "ABL Funz. Avvio", 'S', 4}, {"Solarstrahlung", "Radiazione solare"},
          {"Bezugstemperatur", "Temp. riferimento"}, {"beteiligte Funktionen Txt", "Funzioni interessate:"},
          {"beteiligte Funktion 1", "", 'P', 0}, {"beteiligte Funktion 2", "", 'P', 1},
          {"beteiligte Funktion 3", "", 'P', 2}, {"beteiligte Funktion 4", "", 'P', 3},
          {"beteiligte Funktion 5", "", 'P', 4}, {"beteiligte Funktion 6", "", 'P', 5},
          {"beteiligte Funktion 7", "", 'P', 6}, {"beteiligte Funktion 8", "", 'P', 7},
          {"beteiligte Funktion 9", "", 'P', 8}, {"beteiligte Funktion 10", "", 'P', 9},
          {"Spülvorgang", "Ciclo di pulizia"}, {"SpülvorgangAusgType", "(Uscita comm.)"}}},
        {"Synchronisation", "  Sincronizzazione  ",
         {{"Freigabe Funktion", "ABL Sincronizz.", 'S', 4}, {"Sommerzeit", "Ora legale"},
          {"Reglerstart", "Avvio regolatore"}, {"Status Sync", "Stato Sincronizz."},
          {"Status Sync AusgType", "(Uscita comm.)"}}},
        {"Timerfunktion", "  Funzione Timer  ",
         {{"Freigabe Funktion", "ABL Timer", 'S', 4}, {"Triggereingang", "Ingresso trigger", 'S', 22},
          {"Tastverhältnis", "Proporzione tasti"}, {"Timerausgang", "Uscita timer"},
          {"TimerausgangAusgType", "(Uscita comm.)"}, {"Timerausgang invers", "Uscita inv.timer"},
          {"Timerausgang inv AusgType", "(Uscita comm.)"}}},
        {"Vergleich", "  Comparazione  ",
         {{"Freigabe Funktion", "ABL Comparazione", 'S', 4}, {"Wert a", "Valore a"}, {"Wert b", "Valore b"},
          {"Ergebnis", "Va > Vb + diff"}, {"ErgebnisAusgType", "(Uscita comm.)"},
          {"Ergebnis invers", "Va < Vb + diff"}, {"Ergebnis invers AusgType", "(Uscita comm.)"}}},
        {"Wärmemengenzähler", "  Calorimetro  ",
         {{"Freigabe Funktion", "ABL Calorimetro", 'S', 4}, {"Vorlauftemperatur", "Temperatura mandata"},
          {"Rücklauftemperatur", "Temperatura ritorno"}, {"Volumenstrom", "Portata"},
          {"Zählerrücksetzung", "Azzeram. Contat.", 'I', 14}, {"Leistung", "Potenza"}, {"MWh", "Megawattore"},
          {"kWh", "Kilowattore"}}},
        {"Wartungsfunktion", "  Funzione Manutenzione  ",
         {{"Freigabe Funktion", "Commutatore est.", 'I', 4}, {"beteiligte Funktionen Txt", "Funzioni interessate:"},
          {"beteiligte Funktion 1", "", 'P', 0}, {"beteiligte Funktion 2", "", 'P', 1},
          {"beteiligte Funktion 3", "", 'P', 2}, {"beteiligte Funktion 4", "", 'P', 3},
          {"beteiligte Funktion 5", "", 'P', 4}, {"Brenneranforderung", "Rich. bruciatore"},
          {"BrenneranforderungAusgType", "(Uscita comm.)"}, {"Brennerleistung", "Pot. bruciatore"},
          {"BrennerleistungAusgType", "(Usc. Num. giri)"}}},
        {"Zähler", "  Contatore  ",
         {{"Freigabe Funktion", "ABL Contatore", 'S', 4}, {"Eingang 1", "Ingresso 1", 'I', 13},
          {"Eingang 2", "Ingresso 2", 'I', 16}, {"Eingang 3", "Ingresso 3", 'I', 19},
          {"Eingang 4", "Ingresso 4", 'I', 22}, {"Eingang 5", "Ingresso 5", 'I', 25},
          {"Eingang 6", "Ingresso 6", 'I', 28}, {"Zählerrücksetzung", "Azzeram. contat.", 'I', 10},
          {"Zählerstand", "Pos.num. contat."}}},
        {"Zirkulation", "  Circolazione  ",
         {{"Freigabe Funktion", "ABL Circolazione", 'S', 4}, {"Rücklauftemperatur", "Temp. ritorno"},
          {"Warmwassertemperatur", "Temp. acqua calda"}, {"Solltemperatur Zirkuleitung", "T.nom. condotta circ."},
          {"Speichertemperatur", "Temp. accumulatore"}, {"eff_ZRLSollTemp", "Tnom eff. RCirc."},
          {"Status Zirkulation", "Stato circolaz."}, {"Status Zirkulation AusgType", "(Uscita comm.)"}}},
    };
    return kinds;
}

// Where the participants of a kind stand and which functions they may name.
struct ParticipantLayout {
    const char* kind;
    int countByte, firstByte, step;
    void (CTexte::*fill)(FunktionsListe&, CParaDaten*) const;
};

const ParticipantLayout kParticipants[] = {
    {"Kesselkaskade", 13, 18, 1, &CTexte::GetAnforderungsListe},
    {"Solarvorrang", 7, 30, 2, &CTexte::GetSolarListe},
    {"Startfunktion", 7, 33, 1, &CTexte::GetSolarListe2},
    {"Wartungsfunktion", 7, 32, 1, &CTexte::GetHzkrListe},
};

// The mark a digital source adds: " (inv.)" for a connected, inverted one; " (OFF)" for none with fixed value 0.
std::string Mark(const std::vector<BYTE>& r, const KindText& t)
{
    auto at = [&r](int k) { return k < static_cast<int>(r.size()) ? r[static_cast<size_t>(k)] : BYTE(0); };
    const BYTE kind = at(t.k), inverted = at(t.k + 1);
    if (kind != 0) return inverted != 0 ? " (inv.)" : "";
    if (t.mark == 'I' || (t.mark == 'K' && at(14) <= 2)) return "";
    return at(t.k + 2) == 0 ? " (OFF)" : "";
}

TEST_F(SampleDrawingTest, EveryFunctionKindOfTheSampleGetsAllItsTexts)
{
    const std::vector<XmlObject> objects = Load("samples/drawings/alle_objekte.xml");
    const Lines lines = RunTranslation();

    CTexte texte;
    std::set<int> functionIds;
    Lines expected;
    std::set<std::string> covered;
    for (const XmlObject& object : objects) {
        const KindTexts* kind = nullptr;
        for (const KindTexts& k : ExpectedKinds())
            if (object.Kind() == k.kind) kind = &k;
        if (!kind) continue;
        covered.insert(kind->kind);
        const drawing::KindInfo* info = drawing::FindKind(kind->kind);
        ASSERT_NE(info, nullptr) << kind->kind;
        const BYTE slot = m_para->FindFuncSlot(2, object.id);
        const std::vector<BYTE> record = functypes::ReadRepairedFuncRecord(*m_para, 2, slot, info->typeCode, false);

        auto expect = [&](const char* textObject, const std::string& text) {
            auto found = object.texts.find(textObject);
            ASSERT_NE(found, object.texts.end()) << object.name << " has no text \"" << textObject << "\"";
            functionIds.insert(found->second);
            expected.push_back(Cmd(found->second, text));
        };
        expect("Bezeichnung", "  - - - - - -  ");  // a new function has no designation
        expect("TypeTxt", "Tipo:");
        expect("Type", kind->title);
        expect("BezeichnungTxt", "Des.:");
        expect("EingangsvarTxt", "Var. ingresso:");
        expect("AusgangsvarTxt", "Var. uscita:");
        for (const KindText& t : kind->texts) {
            if (t.mark != 'P') {
                expect(t.object, std::string(t.text) + (t.mark ? Mark(record, t) : ""));
                continue;
            }
            const ParticipantLayout* layout = nullptr;
            for (const ParticipantLayout& l : kParticipants)
                if (object.Kind() == l.kind) layout = &l;
            ASSERT_NE(layout, nullptr) << object.name;
            FunktionsListe list;
            (texte.*layout->fill)(list, m_para);
            const BYTE value = record[static_cast<size_t>(layout->firstByte + t.k * layout->step)];
            std::string name = "- - - - - - - - - - - - - - - -";
            if (t.k < record[static_cast<size_t>(layout->countByte)] && value != 0) {
                name = texte.GetListenBezeichnung(list, value).GetString();
                if (name == "------------") name = "- - - - - - -";
            }
            expect(t.object, name);
        }
    }
    EXPECT_EQ(covered.size(), 23u) << "the sample should hold every function kind";

    Lines actual;
    for (const std::string& line : lines) {
        const size_t a = line.find('\xA7'), b = line.find('\xA7', a + 1);
        if (functionIds.count(std::stoi(line.substr(a + 1, b - a - 1)))) actual.push_back(line);
    }
    EXPECT_EQ(actual, expected) << "got:\n" << Show(actual) << "expected:\n" << Show(expected);
}

}  // namespace
