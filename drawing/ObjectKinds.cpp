// The table of the drawing's object kinds: pins and connection kinds, text roles and the translation-list layouts.
#include "drawing/ObjectKinds.h"

#include "texttables/StandardDesignations.h"

#include <cstdlib>
#include <cstring>

namespace drawing {

namespace {

constexpr const char* kRect = "rectangle";
constexpr const char* kPoly = "polylinie";

// Every function's translation list starts with these five roles, which every function kind keeps.
const std::vector<const char*> kFunktionsRollen = {"TypeTxt", "Type", "BezeichnungTxt", "EingangsvarTxt",
                                                    "AusgangsvarTxt"};

std::vector<const char*> Join(const std::vector<const char*>& a, const std::vector<const char*>& b)
{
    std::vector<const char*> all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

std::vector<const char*> Beteiligte(int count)
{
    static const char* const names[] = {"beteiligte Funktion 1", "beteiligte Funktion 2", "beteiligte Funktion 3",
                                        "beteiligte Funktion 4", "beteiligte Funktion 5", "beteiligte Funktion 6",
                                        "beteiligte Funktion 7", "beteiligte Funktion 8", "beteiligte Funktion 9",
                                        "beteiligte Funktion 10"};
    return std::vector<const char*>(names, names + count);
}

// A function kind: its name is the one the type's code has in the function-type table.
KindInfo Funktion(texts::FunctionTypeCode code, std::vector<PinDef> pins, std::vector<const char*> furtherRoles,
                  std::vector<const char*> translate, int participants = 0)
{
    return KindInfo{texts::FunctionKindName(code),
                    KindFamily::Funktion,
                    code,
                    kRect,
                    std::move(pins),
                    participants,
                    {},
                    Join(kFunktionsRollen, furtherRoles),
                    Join(kFunktionsRollen, translate),
                    0};
}

std::vector<KindInfo> BuildKinds()
{
    std::vector<KindInfo> k;
    // Plant, message, transfer and network kinds.
    k.push_back({"Eingang", KindFamily::Eingang, 0, kRect, {{"Eingang", kSensor}}, 0, {"Index"}, {"TypeZeichen"},
                 {"#0", "Index", "TypeZeichen"}, 20});
    k.push_back({"Sensorstatus", KindFamily::Sensorstatus, 0, kRect, {{"Sensorstatus", kSensor}}, 0, {"Index"},
                 {"Type", "TypeZeichen"}, {"#0", "Index", "Type", "TypeZeichen"}, 20});
    k.push_back({"Ausgang", KindFamily::Ausgang, 0, kRect, {{"AusgangIn", kOutpIn}, {"AusgangOut", kOutputOut}}, 0,
                 {"Index"}, {"TypeZeichen"}, {"#0", "Index", "TypeZeichen"}, 20});
    k.push_back({"Analog_Ausgang", KindFamily::AnalogAusgang, 0, kRect, {{"AusgangIn", kOutputInRPM}}, 0, {"Index"},
                 {"Type", "TypeZeichen"}, {"#0", "Index", "Type", "TypeZeichen"}, 20});
    k.push_back({"Mischer_Ausgang", KindFamily::MischerAusgang, 0, kRect, {{"AusgangIn", kOutputInMixer}}, 0,
                 {"Index_1", "Index_2"}, {"Type_1", "Type_2", "TypeZeichen_1", "TypeZeichen_2"},
                 {"#0", "Index_1", "Type_1", "TypeZeichen_1", "#1", "Index_2", "Type_2", "TypeZeichen_2"}, 40});
    k.push_back({"Meldung", KindFamily::Meldung, 0, kRect,
                 {{"Freigabe Meldung", kFuncInUserInputOutputFuncOut}, {"Meldung aktivieren", kFuncInUserInputOutputFuncOut},
                  {"Meldung löschen", kFuncInUserInputOutputFuncOut}, {"Meldung aktiv", kFuncOutPara}},
                 0, {},
                 {"TypeTxt", "Type", "MeldungstypTxt", "MeldungsursacheTxt", "EingangsvarTxt", "AusgangsvarTxt"},
                 {"TypeTxt", "Type", "MeldungstypTxt", "Meldungstyp", "MeldungsursacheTxt", "EingangsvarTxt",
                  "AusgangsvarTxt", "Freigabe Meldung", "Meldung aktivieren", "Meldung löschen", "Meldung aktiv"},
                 0});
    k.push_back({"Knotenpunkt", KindFamily::Knotenpunkt, 0, nullptr, {}, 0, {}, {}, {}, 0});
    k.push_back({"Signal_Übernahme", KindFamily::Signal, 0, kPoly, {}, 0, {}, {"Type"}, {"Type"}, 0});
    k.push_back({"Signal_Übergabe", KindFamily::Signal, 0, kPoly, {}, 0, {}, {"Type"}, {"Type"}, 0});
    // The network kinds' one pin is the connector named "NW_Eingang" or "NW_Ausgang", whichever the symbol has;
    // its "Type" text is kept whole as the network type text.
    k.push_back({"Netzwerkeingang", KindFamily::Netzwerk, 0, kPoly, {{"", kNetIn}}, 0, {"Index", "NWK", "NWA"},
                 {"TypeZeichen", "NWK_Txt", "NWA_Txt"},
                 {"#0", "Index", "Type", "TypeZeichen", "NWK_Txt", "NWK", "NWA_Txt", "NWA"}, 120});
    k.push_back({"Netzwerkausgang", KindFamily::Netzwerk, 0, kPoly, {{"", kNetOut}}, 0, {"Index", "NWK", "NWA"},
                 {"TypeZeichen", "NWK_Txt", "NWA_Txt"},
                 {"#0", "Index", "Type", "TypeZeichen", "NWK_Txt", "NWK", "NWA_Txt", "NWA"}, 120});
    k.push_back({"Netzwerkstatus", KindFamily::NetzwerkStatus, 0, kPoly, {{"NW_Status", kNetStatus}}, 0, {"Index"},
                 {"Type", "TypeZeichen"}, {"#0", "Index", "Type", "TypeZeichen"}, 20});
    k.push_back({"Online_Rahmen", KindFamily::OnlineRahmen, 0, nullptr, {}, 0, {}, {}, {}, 0});
    k.push_back({"Online_Platzh_Links", KindFamily::OnlinePlatzhalter, 0, nullptr, {}, 0, {}, {}, {}, 0});
    k.push_back({"Online_Platzh_Rechts", KindFamily::OnlinePlatzhalter, 0, nullptr, {}, 0, {}, {}, {}, 0});

    // The 23 function kinds, by type code.
    const BYTE U = kFuncInUserInputOutputFuncOut, I = kFuncInInputOutputFuncOut, P = kFuncOutPara,
               S = kFuncOutSwitch, R = kFuncOutRPM, X = kFuncOutSwitchExceptA16, M = kFuncOutMixer;
    k.push_back(Funktion(texts::kTypeHzkrReg,
        {{"Freigabe Funktion", U}, {"Freigabe Pumpe", U}, {"Freigabe Mischer", U}, {"Raumtemperatur", U},
         {"Vorlauftemperatur", U}, {"Aussentemperatur", U}, {"Externer Schalter", U}, {"Vorlaufsolltemperatur", P},
         {"eff. Raumsolltemperatur", P}, {"Wartungsbetrieb", P}, {"Frostschutzbetrieb", P}, {"Heizkreispumpe", S},
         {"Mischer", M}},
        {"HeizkreispumpeAusgType", "MischerAusgType"},
        {"Freigabe Funktion", "Freigabe Pumpe", "Freigabe Mischer", "Raumtemperatur", "Vorlauftemperatur",
         "Aussentemperatur", "Externer Schalter", "Vorlaufsolltemperatur", "eff. Raumsolltemperatur",
         "Wartungsbetrieb", "Frostschutzbetrieb", "Heizkreispumpe", "HeizkreispumpeAusgType", "Mischer",
         "MischerAusgType"}));
    k.push_back(Funktion(texts::kTypeAnfHeizung,
        {{"Freigabe Funktion", U}, {"Anforderungstemperatur", I}, {"Abschalttemperatur", U},
         {"Sollwert Anforderung", U}, {"Sollwert Abschaltung", U}, {"Anforderung", S}},
        {"AnforderungAusgType"},
        {"Freigabe Funktion", "Anforderungstemperatur", "Abschalttemperatur", "Sollwert Anforderung",
         "Sollwert Abschaltung", "Anforderung", "AnforderungAusgType"}));
    k.push_back(Funktion(texts::kTypeAnfWarmwasser,
        {{"Freigabe Funktion", U}, {"Warmwassertemperatur", I}, {"Solltemperatur", U}, {"Externer Schalter", U},
         {"effektive Solltemperatur", P}, {"akt Solltemperatur", P}, {"Anforderung", S}, {"Brennerleistung", R}},
        {"AnforderungAusgType", "BrennerleistungAusgType"},
        {"Freigabe Funktion", "Warmwassertemperatur", "Solltemperatur", "Externer Schalter",
         "effektive Solltemperatur", "akt Solltemperatur", "Anforderung", "AnforderungAusgType", "Brennerleistung",
         "BrennerleistungAusgType"}));
    k.push_back(Funktion(texts::kTypeLadepumpe,
        {{"Freigabe Funktion", U}, {"Zubringertemperatur", I}, {"Referenztemperatur", I},
         {"Mindesttemp Zubringer", U}, {"Maximaltemp Referenz", U}, {"Ladepumpe", S}},
        {"LadepumpeAusgType"},
        {"Freigabe Funktion", "Zubringertemperatur", "Referenztemperatur", "Mindesttemp Zubringer",
         "Maximaltemp Referenz", "Ladepumpe", "LadepumpeAusgType"}));
    k.push_back(Funktion(texts::kTypeZirkulation,
        {{"Freigabe Funktion", U}, {"Rücklauftemperatur", I}, {"Warmwassertemperatur", U},
         {"Solltemperatur Zirkuleitung", U}, {"Speichertemperatur", U}, {"eff_ZRLSollTemp", P},
         {"Status Zirkulation", S}},
        {"Status Zirkulation AusgType"},
        {"Freigabe Funktion", "Rücklauftemperatur", "Warmwassertemperatur", "Solltemperatur Zirkuleitung",
         "Speichertemperatur", "eff_ZRLSollTemp", "Status Zirkulation", "Status Zirkulation AusgType"}));
    k.push_back(Funktion(texts::kTypeSolarregelung,
        {{"Freigabe Funktion", U}, {"Kollektortemperatur", I}, {"Referenztemperatur", I},
         {"Begrenzungstemperatur", U}, {"Max_Begrenzung", P}, {"Solarkreis EIN", S}},
        {"Solarkreis EIN AusgType"},
        {"Freigabe Funktion", "Kollektortemperatur", "Referenztemperatur", "Begrenzungstemperatur",
         "Max_Begrenzung", "Solarkreis EIN", "Solarkreis EIN AusgType"}));
    k.push_back(Funktion(texts::kTypeSolarvorrang, {{"Freigabe Funktion", U}, {"Solarstrahlung", U}, {"Spülvorgang", S}},
        {"beteiligte Funktionen Txt", "SpülvorgangAusgType"},
        Join(Join({"Freigabe Funktion", "Solarstrahlung", "beteiligte Funktionen Txt"}, Beteiligte(10)),
             {"Spülvorgang", "SpülvorgangAusgType"}),
        10));
    k.push_back(Funktion(texts::kTypePID_Regelung,
        {{"Freigabe Funktion", U}, {"Temp Absolutwertreg", U}, {"Sollwert Absolutwertreg", U},
         {"Temp(+) Differenzreg", U}, {"Temp(-) Differenzreg", U}, {"Aktivierungstemperatur", U},
         {"Aktivierungsschwelle", U}, {"Regeltemperatur", U}, {"Sollwert", U}, {"Stellgrösse", R}},
        {"EreignisregelungTxt", "StellgrösseAusgType"},
        {"Freigabe Funktion", "Temp Absolutwertreg", "Sollwert Absolutwertreg", "Temp(+) Differenzreg",
         "Temp(-) Differenzreg", "EreignisregelungTxt", "Aktivierungstemperatur", "Aktivierungsschwelle",
         "Regeltemperatur", "Sollwert", "Stellgrösse", "StellgrösseAusgType"}));
    k.push_back(Funktion(texts::kTypeVergleich,
        {{"Freigabe Funktion", U}, {"Wert a", I}, {"Wert b", U}, {"Ergebnis", S}, {"Ergebnis invers", S}},
        {"ErgebnisAusgType", "Ergebnis invers AusgType"},
        {"Freigabe Funktion", "Wert a", "Wert b", "Ergebnis", "ErgebnisAusgType", "Ergebnis invers",
         "Ergebnis invers AusgType"}));
    k.push_back(Funktion(texts::kTypeLogikfunc,
        {{"Freigabe Funktion", U}, {"Eingangsvariable 1", U}, {"Eingangsvariable 2", U}, {"Eingangsvariable 3", U},
         {"Eingangsvariable 4", U}, {"Eingangsvariable 5", U}, {"Eingangsvariable 6", U}, {"Ergebnis", S},
         {"Ergebnis invers", S}},
        {"ErgebnisAusgType", "Ergebnis invers AusgType"},
        {"Freigabe Funktion", "Eingangsvariable 1", "Eingangsvariable 2", "Eingangsvariable 3", "Eingangsvariable 4",
         "Eingangsvariable 5", "Eingangsvariable 6", "Ergebnis", "ErgebnisAusgType", "Ergebnis invers",
         "Ergebnis invers AusgType"}));
    k.push_back(Funktion(texts::kTypeAnalogfunc,
        {{"Freigabe Funktion", U}, {"Ergebnis bei Freigabe AUS", U}, {"Eingangsvariable 1", U},
         {"Eingangsvariable 2", U}, {"Eingangsvariable 3", U}, {"Eingangsvariable 4", U}, {"Eingangsvariable 5", U},
         {"Eingangsvariable 6", U}, {"Ergebnis", R}},
        {"ErgebnisAusgType"},
        {"Freigabe Funktion", "Ergebnis bei Freigabe AUS", "Eingangsvariable 1", "Eingangsvariable 2",
         "Eingangsvariable 3", "Eingangsvariable 4", "Eingangsvariable 5", "Eingangsvariable 6", "Ergebnis",
         "ErgebnisAusgType"}));
    k.push_back(Funktion(texts::kTypeWMZ,
        {{"Freigabe Funktion", U}, {"Vorlauftemperatur", U}, {"Rücklauftemperatur", U}, {"Volumenstrom", U},
         {"Zählerrücksetzung", U}, {"Leistung", P}, {"MWh", P}, {"kWh", P}},
        {},
        {"Freigabe Funktion", "Vorlauftemperatur", "Rücklauftemperatur", "Volumenstrom", "Zählerrücksetzung",
         "Leistung", "MWh", "kWh"}));
    k.push_back(Funktion(texts::kTypeWartungsfunc,
        {{"Freigabe Funktion", U}, {"Brenneranforderung", S}, {"Brennerleistung", R}},
        {"beteiligte Funktionen Txt", "BrenneranforderungAusgType", "BrennerleistungAusgType"},
        Join(Join({"Freigabe Funktion", "beteiligte Funktionen Txt"}, Beteiligte(5)),
             {"Brenneranforderung", "BrenneranforderungAusgType", "Brennerleistung", "BrennerleistungAusgType"}),
        5));
    k.push_back(Funktion(texts::kTypeTimer,
        {{"Freigabe Funktion", U}, {"Triggereingang", U}, {"Tastverhältnis", U}, {"Timerausgang", S},
         {"Timerausgang invers", S}},
        {"TimerausgangAusgType", "Timerausgang inv AusgType"},
        {"Freigabe Funktion", "Triggereingang", "Tastverhältnis", "Timerausgang", "TimerausgangAusgType",
         "Timerausgang invers", "Timerausgang inv AusgType"}));
    k.push_back(Funktion(texts::kTypeSchaltuhr,
        {{"Freigabe Funktion", U}, {"Blockadeeingang", U}, {"Sollwert", P}, {"Status Zeitbedingung", S}},
        {"Status Zeitbed AusgType"},
        {"Freigabe Funktion", "Blockadeeingang", "Sollwert", "Status Zeitbedingung", "Status Zeitbed AusgType"}));
    k.push_back(Funktion(texts::kTypeStartfunc,
        {{"Freigabe Funktion", U}, {"Solarstrahlung", U}, {"Bezugstemperatur", U}, {"Spülvorgang", S}},
        {"beteiligte Funktionen Txt", "SpülvorgangAusgType"},
        Join(Join({"Freigabe Funktion", "Solarstrahlung", "Bezugstemperatur", "beteiligte Funktionen Txt"},
                  Beteiligte(10)),
             {"Spülvorgang", "SpülvorgangAusgType"}),
        10));
    k.push_back(Funktion(texts::kTypeZaehler,
        {{"Freigabe Funktion", U}, {"Eingang 1", U}, {"Eingang 2", U}, {"Eingang 3", U}, {"Eingang 4", U},
         {"Eingang 5", U}, {"Eingang 6", U}, {"Zählerrücksetzung", U}, {"Zählerstand", P}},
        {},
        {"Freigabe Funktion", "Eingang 1", "Eingang 2", "Eingang 3", "Eingang 4", "Eingang 5", "Eingang 6",
         "Zählerrücksetzung", "Zählerstand"}));
    k.push_back(Funktion(texts::kTypeKuehlfunc,
        {{"Freigabe Funktion", U}, {"Referenztemperatur", I}, {"Referenztemperatur max", U}, {"Stellgrösse", R},
         {"Status Kühlung", S}},
        {"StellgrösseAusgType", "Status Kühlung AusgType"},
        {"Freigabe Funktion", "Referenztemperatur", "Referenztemperatur max", "Stellgrösse", "StellgrösseAusgType",
         "Status Kühlung", "Status Kühlung AusgType"}));
    k.push_back(Funktion(texts::kTypeMischerReg,
        {{"Freigabe Funktion", U}, {"Regeltemperatur", I}, {"Sollwert", U}, {"Regelsolltemperatur", P},
         {"Mischer", M}},
        {"MischerAusgType"},
        {"Freigabe Funktion", "Regeltemperatur", "Sollwert", "Regelsolltemperatur", "Mischer", "MischerAusgType"}));
    k.push_back(Funktion(texts::kTypeFuncKontrolle,
        {{"Kontrollwert a", I}, {"Kontrollwert b", U}, {"Freigabe Diff-Kontrolle", U}, {"Fehler Wert", X},
         {"Fehler Differenz", X}},
        {"Fehler Wert AusgType", "Fehler Differenz AusgType"},
        {"Kontrollwert a", "Kontrollwert b", "Freigabe Diff-Kontrolle", "Fehler Wert", "Fehler Wert AusgType",
         "Fehler Differenz", "Fehler Differenz AusgType"}));
    k.push_back(Funktion(texts::kTypeSync,
        {{"Freigabe Funktion", U}, {"Sommerzeit", P}, {"Reglerstart", P}, {"Status Sync", S}},
        {"Status Sync AusgType"},
        {"Freigabe Funktion", "Sommerzeit", "Reglerstart", "Status Sync", "Status Sync AusgType"}));
    k.push_back(Funktion(texts::kTypeProfilfunc,
        {{"Freigabe Funktion", U}, {"Sollwert bei Freigabe AUS", U}, {"Start Profil", U}, {"Stop Profil", U},
         {"Reset Profil", U}, {"Takt Profil", U}, {"Sollwert", P}, {"aktuelle Stufe", P}, {"Status Profil", S}},
        {"Status Profil AusgType"},
        {"Freigabe Funktion", "Sollwert bei Freigabe AUS", "Start Profil", "Stop Profil", "Reset Profil",
         "Takt Profil", "Sollwert", "aktuelle Stufe", "Status Profil", "Status Profil AusgType"}));
    k.push_back(Funktion(texts::kTypeKesselkaskade,
        {{"Freigabe Funktion", U}, {"Freigabe ab 2ter Kesselstufe", U}, {"Freigabe ab 3ter Kesselstufe", U},
         {"Vorlauftemperatur", I}, {"Energiekennzahl", U}, {"Sollwert", P}, {"Status Kessel 1", P},
         {"Status Kessel 2", P}, {"Status Kessel 3", P}, {"Betriebsstd Kessel A", P}, {"Anforderung Kessel A", X},
         {"Betriebsstd Kessel B", P}, {"Anforderung Kessel B", X}, {"Betriebsstd Kessel C", P},
         {"Anforderung Kessel C", X}},
        {"beteiligte Funktionen Txt", "Kessel A Txt", "Kessel B Txt", "Kessel C Txt", "Anf Kessel A AusgType",
         "Anf Kessel B AusgType", "Anf Kessel C AusgType"},
        Join(Join({"Freigabe Funktion", "Freigabe ab 2ter Kesselstufe", "Freigabe ab 3ter Kesselstufe",
                   "Vorlauftemperatur", "Energiekennzahl", "beteiligte Funktionen Txt"},
                  Beteiligte(6)),
             {"Sollwert", "Status Kessel 1", "Status Kessel 2", "Status Kessel 3", "Kessel A Txt",
              "Betriebsstd Kessel A", "Anforderung Kessel A", "Anf Kessel A AusgType", "Kessel B Txt",
              "Betriebsstd Kessel B", "Anforderung Kessel B", "Anf Kessel B AusgType", "Kessel C Txt",
              "Betriebsstd Kessel C", "Anforderung Kessel C", "Anf Kessel C AusgType"}),
        6));
    return k;
}

TranslateItem Resolve(const KindInfo& kind, const char* name)
{
    auto indexIn = [](const std::vector<const char*>& names, const char* wanted) {
        for (size_t i = 0; i < names.size(); ++i)
            if (std::strcmp(names[i], wanted) == 0) return static_cast<int>(i);
        return -1;
    };
    if (name[0] == '#') return {TranslateItem::Number, name[1] - '0'};
    if (kind.HasPinLabels() && kind.PinIndex(name) >= 0) return {TranslateItem::PinLabel, kind.PinIndex(name)};
    const char* designation = kind.family == KindFamily::Meldung ? kMeldungstyp : kBezeichnung;
    if (std::strcmp(name, designation) == 0) return {TranslateItem::Designation, 0};
    if (kind.family == KindFamily::Meldung && std::strcmp(name, kMeldungsursache) == 0) return {TranslateItem::Cause, 0};
    if (kind.family == KindFamily::Netzwerk && std::strcmp(name, "Type") == 0) return {TranslateItem::NetType, 0};
    if (int r = indexIn(kind.roleIds, name); r >= 0) return {TranslateItem::Role, r};
    if (int i = indexIn(kind.indexRoles, name); i >= 0) return {TranslateItem::NumberId, i};
    const size_t prefix = std::strlen(kBeteiligteFunktion);
    if (std::strncmp(name, kBeteiligteFunktion, prefix) == 0) return {TranslateItem::Participant, std::atoi(name + prefix) - 1};
    return {TranslateItem::Role, -1};
}

}  // namespace

const std::vector<KindInfo>& AllKinds()
{
    static const std::vector<KindInfo> kinds = [] {
        std::vector<KindInfo> all = BuildKinds();
        for (KindInfo& kind : all)
            for (const char* name : kind.translate) kind.translateItems.push_back(Resolve(kind, name));
        return all;
    }();
    return kinds;
}

const KindInfo* FindKind(std::string_view name)
{
    for (const KindInfo& kind : AllKinds())
        if (name == kind.name) return &kind;
    return nullptr;
}

const KindInfo* FindFunctionKind(int typeCode)
{
    for (const KindInfo& kind : AllKinds())
        if (kind.family == KindFamily::Funktion && kind.typeCode == typeCode) return &kind;
    return nullptr;
}

bool KindInfo::WritesRecords() const
{
    return family != KindFamily::Knotenpunkt && family != KindFamily::OnlineRahmen &&
           family != KindFamily::OnlinePlatzhalter;
}

bool KindInfo::IsConnectable() const
{
    return WritesRecords() && family != KindFamily::Signal;
}

int KindInfo::PinIndex(std::string_view pinName) const
{
    if (family == KindFamily::Netzwerk) return pinName == "NW_Eingang" || pinName == "NW_Ausgang" ? 0 : -1;
    for (size_t i = 0; i < pins.size(); ++i)
        if (pinName == pins[i].name) return static_cast<int>(i);
    return -1;
}

BYTE PinVerbindungsart(const KindInfo& kind, int pinIndex, int number)
{
    if (pinIndex < 0 || pinIndex >= static_cast<int>(kind.pins.size())) return 0;
    if (kind.family == KindFamily::Ausgang && pinIndex == 0)
        return number == 1 || number == 2 || number == 6 || number == 7 ? kOutputInRPM : kOutpIn;
    if (kind.family == KindFamily::AnalogAusgang && pinIndex == 0) return number == 16 ? kOutputInA16 : kOutputInRPM;
    return kind.pins[static_cast<size_t>(pinIndex)].verbindungsart;
}

}  // namespace drawing
