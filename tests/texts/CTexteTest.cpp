// Display texts of object kinds, pins and function types, and the output variables of each function type.
#include "texts/CTexte.h"

#include "texttables/StandardDesignations.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

struct KindCase {
    const char* kind;
    const char* text;
};

// The 9 plant kinds and the 23 function kinds.
const KindCase kKinds[] = {
    {"Eingang", "Ingresso"},
    {"Sensorstatus", "Stato del sensore"},
    {"Ausgang", "Uscita"},
    {"Mischer_Ausgang", "Uscita del miscelatore"},
    {"Analog_Ausgang", "Uscita analogica"},
    {"Netzwerkeingang", "Ingresso di rete"},
    {"Netzwerkstatus", "Stato della rete"},
    {"Netzwerkausgang", "Uscita della rete"},
    {"Meldung", "Messaggio"},
    {"Analogfunktion", "Funzione analogica"},
    {"Anforderung Heizung", "Richiesta riscald."},
    {"Anforderung Warmwasser", "Richiesta acqua calda"},
    {"Funktionskontrolle", "Controllo funzionalità"},
    {"Heizkreisregler", "Regolatore circ. risc."},
    {"Kesselkaskade", "Caldaie in cascata"},
    {"Kühlfunktion", "Funz. Raffrescamento"},
    {"Ladepumpe", "Pompa di carico"},
    {"Logikfunktion", "Funzione logica"},
    {"Mischerregelfunktion", "Funz. Regolaz. misc."},
    {"PID-Regelung", "Regolazione P.I.D."},
    {"Profilfunktion", "Funzione Profili"},
    {"Schaltuhr", "Interruttore orario"},
    {"Solarregelung", "Regolazione solare"},
    {"Solarvorrang", "Priorità solare"},
    {"Startfunktion", "Funzione Avvio"},
    {"Synchronisation", "Sincronizzazione"},
    {"Timerfunktion", "Funzione Timer"},
    {"Vergleich", "Comparazione"},
    {"Wärmemengenzähler", "Calorimetro"},
    {"Wartungsfunktion", "Funzione Manutenzione"},
    {"Zähler", "Contatore"},
    {"Zirkulation", "Circolazione"},
};
constexpr int kPlantKinds = 9;

struct PinPair {
    const char* pin;
    const char* text;
};
struct PinKind {
    const char* kind;
    std::vector<PinPair> pins;
};

// Every pin text of the message kind and the 23 function kinds.
const PinKind kPins[] = {
    {"Meldung",
     {{"Freigabe Meldung", "ABL messaggio"}, {"Meldung aktivieren", "Attiv. messaggio"},
      {"Meldung löschen", "Canc. messaggio"}, {"Meldung aktiv", "Messaggio attivo"}}},
    {"Analogfunktion",
     {{"Freigabe Funktion", "ABL funz. anal."}, {"Ergebnis bei Freigabe AUS", "Risultato (ABL=OFF)"},
      {"Eingangsvariable 1", "Variabile ingresso 1"}, {"Eingangsvariable 2", "Variabile ingresso 2"},
      {"Eingangsvariable 3", "Variabile ingresso 3"}, {"Eingangsvariable 4", "Variabile ingresso 4"},
      {"Eingangsvariable 5", "Variabile ingresso 5"}, {"Eingangsvariable 6", "Variabile ingresso 6"},
      {"Ergebnis", "Risultato"}}},
    {"Anforderung Heizung",
     {{"Freigabe Funktion", "ABL richiesta"}, {"Anforderungstemperatur", "Richiesta temp."},
      {"Abschalttemperatur", "Temp. disattivazione"}, {"Sollwert Anforderung", "Valore nom. richiesta "},
      {"Sollwert Abschaltung", "Valore nom. disattivaz."}, {"Anforderung", "Richiesta"}}},
    {"Anforderung Warmwasser",
     {{"Freigabe Funktion", "ABL Richiesta"}, {"Warmwassertemperatur", "Temp. acqua calda"},
      {"Solltemperatur", "Temp. nominale"}, {"Externer Schalter", "Commutatore est."},
      {"effektive Solltemperatur", "Temp. nom. eff. "}, {"akt Solltemperatur", "Temp. nominale"},
      {"Anforderung", "Richiesta"}, {"Brennerleistung", "Potenza bruciat."}}},
    {"Funktionskontrolle",
     {{"Kontrollwert a", "Valore controllo a "}, {"Kontrollwert b", "Valore controllo b"},
      {"Freigabe Diff-Kontrolle", "ABL contr. diff."}, {"Fehler Wert", "Errore valore"},
      {"Fehler Differenz", "Errore diff."}}},
    {"Heizkreisregler",
     {{"Freigabe Funktion", "ABL circ. risc."}, {"Freigabe Pumpe", "ABL pompa"},
      {"Freigabe Mischer", "ABL miscelatore"}, {"Raumtemperatur", "Temp. ambiente"},
      {"Vorlauftemperatur", "Temp. mandata"}, {"Aussentemperatur", "Temp. esterna"},
      {"Externer Schalter", "Commutatore est."}, {"Vorlaufsolltemperatur", "T.nom. mandata"},
      {"eff. Raumsolltemperatur", "T.amb. nom. eff."}, {"Wartungsbetrieb", "Mod. manutenz."},
      {"Frostschutzbetrieb", "Mod. antigelo"}, {"Heizkreispumpe", "Pompa circ. risc."},
      {"Mischer", "Misc. ap./chiuso"}}},
    {"Kesselkaskade",
     {{"Freigabe Funktion", "ABL Cald. casc. "}, {"Freigabe ab 2ter Kesselstufe", "ABL 2. Liv.Cald."},
      {"Freigabe ab 3ter Kesselstufe", "ABL 3. Liv.Cald."}, {"Vorlauftemperatur", "Temperatura mandata"},
      {"Energiekennzahl", "Valore dell’energia"}, {"Sollwert", "Valore nominale "},
      {"Status Kessel 1", "Stato Cald. 1"}, {"Status Kessel 2", "Stato Cald. 2"},
      {"Status Kessel 3", "Stato Cald. 3"}, {"Betriebsstd Kessel A", "Ore di esercizio"},
      {"Betriebsstd Kessel B", "Ore di esercizio"}, {"Betriebsstd Kessel C", "Ore di esercizio"},
      {"Anforderung Kessel A", "Richiesta"}, {"Anforderung Kessel B", "Richiesta"},
      {"Anforderung Kessel C", "Richiesta"}}},
    {"Kühlfunktion",
     {{"Freigabe Funktion", "ABL Funz. Raff."}, {"Referenztemperatur", "Temp. di riferimento"},
      {"Referenztemperatur max", "Temp. max. Riferim."}, {"Stellgrösse", "Grandezza regol."},
      {"Status Kühlung", "Raffrescamento"}}},
    {"Ladepumpe",
     {{"Freigabe Funktion", "ABL pompa"}, {"Zubringertemperatur", "Temp. alimentazione"},
      {"Referenztemperatur", "Temp. di riferimento"}, {"Mindesttemp Zubringer", "Temp. min. alimentazione"},
      {"Maximaltemp Referenz", "Temp. max. riferimento"}, {"Ladepumpe", "Pompa di carico"}}},
    {"Logikfunktion",
     {{"Freigabe Funktion", "ABL Funz.log."}, {"Eingangsvariable 1", "Variabile ingr. 1"},
      {"Eingangsvariable 2", "Variabile ingr. 2"}, {"Eingangsvariable 3", "Variabile ingr. 3"},
      {"Eingangsvariable 4", "Variabile ingr. 4"}, {"Eingangsvariable 5", "Variabile ingr. 5"},
      {"Eingangsvariable 6", "Variabile ingr. 6"}, {"Ergebnis", "Risultato"},
      {"Ergebnis invers", "Risultato inv."}}},
    {"Mischerregelfunktion",
     {{"Freigabe Funktion", "ABL miscelatore"}, {"Regeltemperatur", "Temp. di regolazione"},
      {"Sollwert", "Valore nominale"}, {"Regelsolltemperatur", "T. nom. Regol."}, {"Mischer", "Misc. ap./chiuso"}}},
    {"PID-Regelung",
     {{"Freigabe Funktion", "ABL Regolazione"}, {"Temp Absolutwertreg", "T. Regol. Val. Abs."},
      {"Sollwert Absolutwertreg", "Vnom. Regol.Val.Abs."}, {"Temp(+) Differenzreg", "Temp. (+) Reg. diff."},
      {"Temp(-) Differenzreg", "Temp. (-) Reg. diff."}, {"Aktivierungstemperatur", "Temp. attivazione"},
      {"Aktivierungsschwelle", "Soglia attivazione"}, {"Regeltemperatur", "Temp. di regolazione"},
      {"Sollwert", "Valore nominale"}, {"Stellgrösse", "Grandezza regol."}}},
    {"Profilfunktion",
     {{"Freigabe Funktion", "ABL Profilo"}, {"Sollwert bei Freigabe AUS", "Val. nom. (ABL=OFF)"},
      {"Start Profil", "Start Profilo"}, {"Stop Profil", "Stop Profilo"}, {"Reset Profil", "Reset Profilo"},
      {"Takt Profil", "Cadenza Profilo"}, {"Sollwert", "Valore nominale"}, {"aktuelle Stufe", "Livello attivo"},
      {"Status Profil", "Stato Profilo"}}},
    {"Schaltuhr",
     {{"Freigabe Funktion", "ABL Interr. or."}, {"Blockadeeingang", "Ingr.Bloc. crit."},
      {"Sollwert", "Valore nominale"}, {"Status Zeitbedingung", "Stato cond. temp."}}},
    {"Solarregelung",
     {{"Freigabe Funktion", "ABL Circuito solare"}, {"Kollektortemperatur", "Temp. collettore"},
      {"Referenztemperatur", "Temp. di riferimento"}, {"Begrenzungstemperatur", "Temperatura limite"},
      {"Max_Begrenzung", "Limite massimo"}, {"Solarkreis EIN", "Circ. solare ON"}}},
    {"Solarvorrang",
     {{"Freigabe Funktion", "ABL Prior. sol."}, {"Solarstrahlung", "Radiazione solare"},
      {"Spülvorgang", "Ciclo di pulizia"}}},
    {"Startfunktion",
     {{"Freigabe Funktion", "ABL Funz. Avvio"}, {"Solarstrahlung", "Radiazione solare"},
      {"Bezugstemperatur", "Temp. riferimento"}, {"Spülvorgang", "Ciclo di pulizia"}}},
    {"Synchronisation",
     {{"Freigabe Funktion", "ABL Sincronizz."}, {"Sommerzeit", "Ora legale"}, {"Reglerstart", "Avvio regolatore"},
      {"Status Sync", "Stato Sincronizz."}}},
    {"Timerfunktion",
     {{"Freigabe Funktion", "ABL Timer"}, {"Triggereingang", "Ingresso trigger"},
      {"Tastverhältnis", "Proporzione tasti"}, {"Timerausgang", "Uscita timer"},
      {"Timerausgang invers", "Uscita inv.timer"}}},
    {"Vergleich",
     {{"Freigabe Funktion", "ABL Comparazione"}, {"Wert a", "Valore a"}, {"Wert b", "Valore b"},
      {"Ergebnis", "Va > Vb + diff"}, {"Ergebnis invers", "Va < Vb + diff"}}},
    {"Wärmemengenzähler",
     {{"Freigabe Funktion", "ABL Calorimetro"}, {"Vorlauftemperatur", "Temperatura mandata"},
      {"Rücklauftemperatur", "Temperatura ritorno"}, {"Volumenstrom", "Portata"},
      {"Zählerrücksetzung", "Azzeram. Contat."}, {"Leistung", "Potenza"}, {"MWh", "Megawattore"},
      {"kWh", "Kilowattore"}}},
    {"Wartungsfunktion",
     {{"Freigabe Funktion", "Commutatore est."}, {"Brenneranforderung", "Rich. bruciatore"},
      {"Brennerleistung", "Pot. bruciatore"}}},
    {"Zähler",
     {{"Freigabe Funktion", "ABL Contatore"}, {"Eingang 1", "Ingresso 1"}, {"Eingang 2", "Ingresso 2"},
      {"Eingang 3", "Ingresso 3"}, {"Eingang 4", "Ingresso 4"}, {"Eingang 5", "Ingresso 5"},
      {"Eingang 6", "Ingresso 6"}, {"Zählerrücksetzung", "Azzeram. contat."}, {"Zählerstand", "Pos.num. contat."}}},
    {"Zirkulation",
     {{"Freigabe Funktion", "ABL Circolazione"}, {"Rücklauftemperatur", "Temp. ritorno"},
      {"Warmwassertemperatur", "Temp. acqua calda"}, {"Solltemperatur Zirkuleitung", "T.nom. condotta circ."},
      {"Speichertemperatur", "Temp. accumulatore"}, {"eff_ZRLSollTemp", "Tnom eff. RCirc."},
      {"Status Zirkulation", "Stato circolaz."}}},
};

struct OutputVariable {
    const char* name;
    const char* pin;  // null: no pin carries the variable
};
struct FunctionTypeCase {
    int code;
    const char* kind;
    int count;
    std::vector<OutputVariable> variables;
};

// Every function type with its output variables, in code order.
const FunctionTypeCase kTypes[] = {
    {1, "Heizkreisregler", 6, {{"Temp.Teor.Mand", "Vorlaufsolltemperatur"}, {"Status Pompa", "Heizkreispumpe"},
        {"Stat.Miscelat", "Mischer"}, {"T.Amb.TEOR.efc", "eff. Raumsolltemperatur"},
        {"In Manutenz.", "Wartungsbetrieb"}, {"Fz.Antigelo", "Frostschutzbetrieb"}}},
    {2, "Anforderung Heizung", 1, {{"Rich.ON", "Anforderung"}, {"Rich.OFF", nullptr}}},
    {3, "Anforderung Warmwasser", 5, {{"Temp.Teor.Efc", "effektive Solltemperatur"}, {"Rich.ON", "Anforderung"},
        {"Rich.OFF", nullptr}, {"Prest.Br.", "Brennerleistung"}, {"Temp.Teor.", "akt Solltemperatur"}}},
    {4, "Ladepumpe", 1, {{"Stat.Pompa.Ca.", "Ladepumpe"}}},
    {5, "Zirkulation", 2, {{"Status Circo", "Status Zirkulation"}, {"T.ZRL.eff", "eff_ZRLSollTemp"}}},
    {6, "Solarregelung", 2, {{"Circ.S.ON", "Solarkreis EIN"}, {"Limit.MAX", "Max_Begrenzung"}}},
    {7, "Solarvorrang", 1, {{"Lavaggio", "Spülvorgang"}}},
    {8, "PID-Regelung", 1, {{"Grandezza", "Stellgrösse"}}},
    {9, "Vergleich", 2, {{"Va > Vb + diff", "Ergebnis"}, {"Va < Vb + diff", "Ergebnis invers"}}},
    {10, "Logikfunktion", 2, {{"Risultato", "Ergebnis"}, {"Risultato Inv.", "Ergebnis invers"}}},
    {11, "Analogfunktion", 1, {{"Risultato", "Ergebnis"}}},
    {12, "Wärmemengenzähler", 3, {{"Resa", "Leistung"}, {"kWh", "kWh"}, {"MWh", "MWh"}}},
    {13, "Wartungsfunktion", 2, {{"Iniz. Bruciat.", "Brenneranforderung"}, {"Prest.Br.", "Brennerleistung"}}},
    {14, "Timerfunktion", 2, {{"Uscita TIMER", "Timerausgang"}, {"Inv.Uscita", "Timerausgang invers"}}},
    {15, "Schaltuhr", 2, {{"Start", "Status Zeitbedingung"}, {"Val.Teoretico", "Sollwert"}}},
    {16, "Startfunktion", 1, {{"Lavaggio", "Spülvorgang"}}},
    {17, "Zähler", 1, {{"Pos.Contatore", "Zählerstand"}}},
    {18, "Kühlfunktion", 2, {{"Grandezza", "Stellgrösse"}, {"Stat.Fz.Raffr", "Status Kühlung"}}},
    {19, "Mischerregelfunktion", 2, {{"Temp.Reg.efc", "Regelsolltemperatur"}, {"Stat.Miscelat", "Mischer"}}},
    {20, "Funktionskontrolle", 2, {{"Errore Valore", "Fehler Wert"}, {"Errore Diff", "Fehler Differenz"}}},
    {21, "Synchronisation", 3, {{"Stato Sinc.", "Status Sync"}, {"Periodo Estivo", "Sommerzeit"},
        {"Start Regol.", "Reglerstart"}}},
    {22, "Profilfunktion", 3, {{"Profilo Att", "Status Profil"}, {"Val.Teoretico", "Sollwert"},
        {"Grad. Attuale", "aktuelle Stufe"}}},
    {23, "Kesselkaskade", 10, {{"Val.Teoretico", "Sollwert"}, {"Stat.Cald.A", "Anforderung Kessel A"},
        {"Funz.Ore C.A", "Betriebsstd Kessel A"}, {"Stat.Cald.1", "Status Kessel 1"},
        {"Stat.Cald.B", "Anforderung Kessel B"}, {"Funz.Ore C.B", "Betriebsstd Kessel B"},
        {"Stat.Cald.2", "Status Kessel 2"}, {"Stat.Cald.C", "Anforderung Kessel C"},
        {"Funz.Ore C.C", "Betriebsstd Kessel C"}, {"Stat.Cald.3", "Status Kessel 3"}}},
};

std::string Hex(const CString& text)
{
    std::string out;
    char buffer[4];
    for (int i = 0; i < text.GetLength(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(text[i]));
        out += buffer;
    }
    return out;
}

}  // namespace

TEST(CTexteTest, EveryObjectKindHasItsDisplayName)
{
    CTexte texte;
    for (const KindCase& c : kKinds)
        EXPECT_STREQ(texte.GetObjektArtText(c.kind), c.text) << c.kind;
    // Names compare exactly: no case folding, no trimming.
    for (const char* other : {"eingang", "Eingang ", " Eingang", "", "Knotenpunkt", "Signal", "EINGANG"})
        EXPECT_STREQ(texte.GetObjektArtText(other), "") << "[" << other << "]";
    EXPECT_EQ(Hex(texte.GetObjektArtText("Funktionskontrolle")).substr(3 * 21), "E0 ") << "à is one byte";
}

TEST(CTexteTest, TheFunctionKindsAreExactlyTheFunctionTypes)
{
    CTexte texte;
    std::set<std::string> kinds;
    for (int i = kPlantKinds; i < static_cast<int>(std::size(kKinds)); ++i)
        kinds.insert(kKinds[i].kind);
    std::set<std::string> types;
    for (int code = 1; code <= texts::kFunctionTypeCount; ++code)
        types.insert(texte.GetFunktionsArt(static_cast<BYTE>(code)).GetString());
    EXPECT_EQ(kinds, types);
}

TEST(CTexteTest, EveryPinOfEveryKindHasItsTextAndOnlyInItsKind)
{
    CTexte texte;
    int pairs = 0;
    int trailingBlanks = 0;
    for (const PinKind& kind : kPins) {
        for (const PinPair& pin : kind.pins) {
            EXPECT_STREQ(texte.GetPinText(kind.kind, pin.pin), pin.text) << kind.kind << " / " << pin.pin;
            ++pairs;
            trailingBlanks += std::string(pin.text).back() == ' ';
        }
    }
    EXPECT_EQ(pairs, 162);
    EXPECT_EQ(trailingBlanks, 5);

    // A pin name asked of any other kind gives that kind's own text for it, or nothing: the kind matches first.
    for (const PinKind& asked : kPins) {
        for (const PinKind& owner : kPins) {
            for (const PinPair& pin : owner.pins) {
                const char* expected = "";
                for (const PinPair& own : asked.pins) {
                    if (std::string(own.pin) == pin.pin)
                        expected = own.text;
                }
                EXPECT_STREQ(texte.GetPinText(asked.kind, pin.pin), expected) << asked.kind << " / " << pin.pin;
            }
        }
    }
    // Plant kinds have no pin texts at all.
    for (int i = 0; i < kPlantKinds; ++i) {
        if (std::string(kKinds[i].kind) == "Meldung")
            continue;
        for (const PinKind& owner : kPins) {
            for (const PinPair& pin : owner.pins)
                EXPECT_STREQ(texte.GetPinText(kKinds[i].kind, pin.pin), "") << kKinds[i].kind << " / " << pin.pin;
        }
    }
    EXPECT_STREQ(texte.GetPinText("Anforderung Heizung", "Sollwert Anforderung"), "Valore nom. richiesta ");
    EXPECT_STREQ(texte.GetPinText("Ladepumpe", "freigabe Funktion"), "");
    EXPECT_STREQ(texte.GetPinText("Ladepumpe", "Freigabe Funktion "), "");
    EXPECT_NE(Hex(texte.GetPinText("Kesselkaskade", "Energiekennzahl")).find("92 "), std::string::npos)
        << "the apostrophe is the single byte 92";
}

TEST(CTexteTest, EveryTypeCodeToItsNameAndBack)
{
    CTexte texte;
    for (int code = 0; code <= 255; ++code) {
        const char* expected = code >= 1 && code <= texts::kFunctionTypeCount ? kTypes[code - 1].kind : "";
        EXPECT_STREQ(texte.GetFunktionsArt(static_cast<BYTE>(code)), expected) << code;
        EXPECT_STREQ(texte.GetFunktionsArtText(static_cast<BYTE>(code)), expected) << code;
        if (*expected) {
            EXPECT_EQ(texts::TypeCodeOfKind(expected), code) << expected;
        }
    }
    EXPECT_EQ(texts::TypeCodeOfKind("Eingang"), 0);
    EXPECT_EQ(texts::TypeCodeOfKind("zähler"), 0);
    EXPECT_EQ(texts::TypeCodeOfKind(nullptr), 0);
    EXPECT_EQ(Hex(texte.GetFunktionsArt(12)), "57 E4 72 6D 65 6D 65 6E 67 65 6E 7A E4 68 6C 65 72 ");
}

TEST(CTexteTest, OutputVariablesOfEveryTypeByNumberAndByPin)
{
    CTexte texte;
    for (const FunctionTypeCase& type : kTypes) {
        const BYTE code = static_cast<BYTE>(type.code);
        EXPECT_EQ(texte.GetAusgangVariableAnzahl(type.code), type.count) << type.kind;
        for (size_t i = 0; i < type.variables.size(); ++i) {
            const BYTE nr = static_cast<BYTE>(i + 1);
            EXPECT_STREQ(texte.GetAusgangVariableText(code, nr), type.variables[i].name) << type.kind << " " << i + 1;
            if (type.variables[i].pin) {
                EXPECT_EQ(texte.GetAusgangVariableNr(type.kind, type.variables[i].pin), nr) << type.kind;
            }
        }
        EXPECT_STREQ(texte.GetAusgangVariableText(code, 0), "--------") << type.kind;
        EXPECT_STREQ(texte.GetAusgangVariableText(code, static_cast<BYTE>(type.variables.size() + 1)), "--------")
            << type.kind;
        // Every pin of the kind that carries no output variable gives 0.
        for (const PinKind& kind : kPins) {
            if (std::string(kind.kind) != type.kind)
                continue;
            for (const PinPair& pin : kind.pins) {
                bool carries = false;
                for (const OutputVariable& v : type.variables)
                    carries = carries || (v.pin && std::string(v.pin) == pin.pin);
                if (!carries) {
                    EXPECT_EQ(texte.GetAusgangVariableNr(type.kind, pin.pin), 0) << type.kind << " / " << pin.pin;
                }
            }
        }
    }
    EXPECT_EQ(texte.GetAusgangVariableAnzahl(0), 0);
    EXPECT_EQ(texte.GetAusgangVariableAnzahl(24), 0);
    EXPECT_EQ(texte.GetAusgangVariableAnzahl(-1), 0);
    EXPECT_STREQ(texte.GetAusgangVariableText(0, 1), "--------");
    EXPECT_STREQ(texte.GetAusgangVariableText(24, 1), "--------");
    // The same pin name carries different numbers in different kinds, and none in a plant kind.
    EXPECT_EQ(texte.GetAusgangVariableNr("Heizkreisregler", "Mischer"), 3);
    EXPECT_EQ(texte.GetAusgangVariableNr("Mischerregelfunktion", "Mischer"), 2);
    EXPECT_EQ(texte.GetAusgangVariableNr("Kesselkaskade", "Sollwert"), 1);
    EXPECT_EQ(texte.GetAusgangVariableNr("Schaltuhr", "Sollwert"), 2);
    EXPECT_EQ(texte.GetAusgangVariableNr("Ausgang", "Mischer"), 0);
    EXPECT_EQ(texte.GetAusgangVariableNr("Meldung", "Meldung aktiv"), 0);
    EXPECT_EQ(texte.GetAusgangVariableNr("Heizkreisregler", "Raumtemperatur"), 0);
}
