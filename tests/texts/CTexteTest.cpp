// Display texts of object kinds, pins and function types, and the output variables of each function type.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "texttables/StandardDesignations.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The internal names of the 9 plant kinds; the 23 function kinds are the function types' names.
const char* const kPlantKinds[] = {"Eingang",         "Sensorstatus",    "Ausgang",
                                   "Mischer_Ausgang", "Analog_Ausgang",  "Netzwerkeingang",
                                   "Netzwerkstatus",  "Netzwerkausgang", "Meldung"};

std::set<std::string> FunctionKinds()
{
    std::set<std::string> kinds;
    for (int code = 1; code <= texts::kFunctionTypeCount; ++code)
        kinds.insert(CTexte().GetFunktionsArt(static_cast<BYTE>(code)).GetString());
    return kinds;
}

// A pin text with its kind: the message's, then each function type's, through the type's row.
struct KindPinText {
    const char* kind;
    const char* pin;
    const char* text;
};

std::vector<KindPinText> AllPinTexts()
{
    std::vector<KindPinText> rows;
    for (const ui::PinText& row : ui::pin_texts::kMeldung)
        rows.push_back({"Meldung", row.pin, row.text});
    for (const texts::FunctionTypeInfo& type : texts::kFunctionTypes) {
        for (int i = 0; i < type.pinTextCount; ++i)
            rows.push_back({type.kind, type.pinTexts[i].pin, type.pinTexts[i].text});
    }
    return rows;
}

// True when the text holds a UTF-8 sequence: the program's texts are Windows-1252, one byte a character.
bool HasUtf8(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xC2 && lead <= 0xF4 && next >= 0x80 && next <= 0xBF)
            return true;
    }
    return false;
}

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
    std::set<std::string> expected = FunctionKinds();
    expected.insert(std::begin(kPlantKinds), std::end(kPlantKinds));
    ASSERT_EQ(expected.size(), static_cast<size_t>(9 + texts::kFunctionTypeCount));
    std::set<std::string> named;
    auto check = [&](const char* kind, const char* text) {
        EXPECT_TRUE(named.insert(kind).second) << kind << " named twice";
        EXPECT_STRNE(text, "") << kind;
        EXPECT_FALSE(HasUtf8(text)) << kind;
        EXPECT_STREQ(texte.GetObjektArtText(kind), text) << kind;
    };
    for (const ui::KindText& row : ui::kObjectKindTexts)
        check(row.kind, row.text);
    for (const texts::FunctionTypeInfo& type : texts::kFunctionTypes)
        check(type.kind, type.kindText);
    EXPECT_EQ(named, expected);
    // Names compare exactly: no case folding, no trimming.
    for (const char* other : {"eingang", "Eingang ", " Eingang", "", "Knotenpunkt", "Signal", "EINGANG"})
        EXPECT_STREQ(texte.GetObjektArtText(other), "") << "[" << other << "]";
    EXPECT_EQ(Hex(texte.GetObjektArtText("Funktionskontrolle")).substr(3 * 21), "E0 ") << "à is one byte";
}

TEST(CTexteTest, TheFunctionKindsAreExactlyTheFunctionTypes)
{
    std::set<std::string> kinds;
    for (const texts::FunctionTypeInfo& type : texts::kFunctionTypes)
        kinds.insert(type.kind);
    EXPECT_EQ(kinds, FunctionKinds());
}

TEST(CTexteTest, EveryPinOfEveryKindHasItsTextAndOnlyInItsKind)
{
    CTexte texte;
    const std::set<std::string> functionKinds = FunctionKinds();
    std::set<std::string> kindsWithPins;
    std::set<std::pair<std::string, std::string>> pins;
    int trailingBlanks = 0;
    for (const KindPinText& row : AllPinTexts()) {
        EXPECT_TRUE(pins.insert({row.kind, row.pin}).second) << row.kind << " / " << row.pin << " named twice";
        EXPECT_TRUE(functionKinds.count(row.kind) || std::string(row.kind) == "Meldung") << row.kind;
        EXPECT_STRNE(row.text, "") << row.kind << " / " << row.pin;
        EXPECT_FALSE(HasUtf8(row.text)) << row.kind << " / " << row.pin;
        EXPECT_STREQ(texte.GetPinText(row.kind, row.pin), row.text) << row.kind << " / " << row.pin;
        kindsWithPins.insert(row.kind);
        trailingBlanks += std::string(row.text).back() == ' ';
    }
    EXPECT_EQ(pins.size(), 162u);
    EXPECT_EQ(trailingBlanks, 5);
    std::set<std::string> expectedKinds = functionKinds;
    expectedKinds.insert("Meldung");
    EXPECT_EQ(kindsWithPins, expectedKinds) << "the message kind and every function kind have pins";

    // A pin name asked of any other kind gives that kind's own text for it, or nothing: the kind matches first.
    for (const std::string& asked : kindsWithPins) {
        for (const KindPinText& row : AllPinTexts()) {
            const bool own = pins.count({asked, row.pin}) > 0;
            if (!own) {
                EXPECT_STREQ(texte.GetPinText(asked.c_str(), row.pin), "") << asked << " / " << row.pin;
            } else if (asked != row.kind) {
                EXPECT_STRNE(texte.GetPinText(asked.c_str(), row.pin), "") << asked << " / " << row.pin;
            }
        }
    }
    // Plant kinds have no pin texts at all.
    for (const char* plant : kPlantKinds) {
        if (std::string(plant) == "Meldung")
            continue;
        for (const KindPinText& row : AllPinTexts())
            EXPECT_STREQ(texte.GetPinText(plant, row.pin), "") << plant << " / " << row.pin;
    }
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
        for (const KindPinText& pin : AllPinTexts()) {
            if (std::string(pin.kind) != type.kind)
                continue;
            bool carries = false;
            for (const OutputVariable& v : type.variables)
                carries = carries || (v.pin && std::string(v.pin) == pin.pin);
            if (!carries) {
                EXPECT_EQ(texte.GetAusgangVariableNr(type.kind, pin.pin), 0) << type.kind << " / " << pin.pin;
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
