// Table of the function types: type code, internal kind name, standard designations and output variables.
#include "texttables/StandardDesignations.h"

#include "resources/UiTexts.h"

#include <cstddef>
#include <cstring>

namespace texts {

namespace {

// The pin that carries each output variable, in variable order; null where no pin carries the variable.
namespace pins {
constexpr const char* kHzkrReg[] = {"Vorlaufsolltemperatur", "Heizkreispumpe", "Mischer", "eff. Raumsolltemperatur",
    "Wartungsbetrieb", "Frostschutzbetrieb"};
constexpr const char* kAnfHeizung[] = {"Anforderung", nullptr};
constexpr const char* kAnfWarmwasser[] = {"effektive Solltemperatur", "Anforderung", nullptr, "Brennerleistung",
    "akt Solltemperatur"};
constexpr const char* kLadepumpe[] = {"Ladepumpe"};
constexpr const char* kZirkulation[] = {"Status Zirkulation", "eff_ZRLSollTemp"};
constexpr const char* kSolarregelung[] = {"Solarkreis EIN", "Max_Begrenzung"};
constexpr const char* kSolarvorrang[] = {"Spülvorgang"};
constexpr const char* kPID_Regelung[] = {"Stellgrösse"};
constexpr const char* kVergleich[] = {"Ergebnis", "Ergebnis invers"};
constexpr const char* kLogikfunc[] = {"Ergebnis", "Ergebnis invers"};
constexpr const char* kAnalogfunc[] = {"Ergebnis"};
constexpr const char* kWMZ[] = {"Leistung", "kWh", "MWh"};
constexpr const char* kWartungsfunc[] = {"Brenneranforderung", "Brennerleistung"};
constexpr const char* kTimer[] = {"Timerausgang", "Timerausgang invers"};
constexpr const char* kSchaltuhr[] = {"Status Zeitbedingung", "Sollwert"};
constexpr const char* kStartfunc[] = {"Spülvorgang"};
constexpr const char* kZaehler[] = {"Zählerstand"};
constexpr const char* kKuehlfunc[] = {"Stellgrösse", "Status Kühlung"};
constexpr const char* kMischerReg[] = {"Regelsolltemperatur", "Mischer"};
constexpr const char* kFuncKontrolle[] = {"Fehler Wert", "Fehler Differenz"};
constexpr const char* kSync[] = {"Status Sync", "Sommerzeit", "Reglerstart"};
constexpr const char* kProfilfunc[] = {"Status Profil", "Sollwert", "aktuelle Stufe"};
constexpr const char* kKesselkaskade[] = {"Sollwert", "Anforderung Kessel A", "Betriebsstd Kessel A",
    "Status Kessel 1", "Anforderung Kessel B", "Betriebsstd Kessel B", "Status Kessel 2", "Anforderung Kessel C",
    "Betriebsstd Kessel C", "Status Kessel 3"};
}  // namespace pins

// One row; the sizes of the name and pin lists come from the lists themselves.
template <std::size_t K, std::size_t N, std::size_t P, std::size_t L>
constexpr FunctionTypeInfo Type(int code, const char* kind, const char* const (&standardNames)[K], int headEntry,
                                BYTE outputCount, const char* const (&outputNames)[N],
                                const char* const (&outputPins)[P], const char* const (&overviewLabels)[L])
{
    static_assert(N == P, "every output variable has one pin entry");
    return FunctionTypeInfo{code, kind, static_cast<BYTE>(K), standardNames, headEntry, outputCount,
                            static_cast<BYTE>(N), outputNames, outputPins, static_cast<BYTE>(L), overviewLabels};
}

namespace names = ui::standard_names;
namespace outputs = ui::output_variables;
namespace overview = ui::overview_labels;

}  // namespace

// One row per type: the name of its lists, kind name, head entry, number of output variables. The head entries 0
// to 22 of g_BezeichnungsTexte follow the kind names in reverse alphabetical order.
#define ROW(name, kind, head, outputCount) \
    Type(kType##name, kind, names::k##name, head, outputCount, outputs::k##name, pins::k##name, overview::k##name)

const FunctionTypeInfo kFunctionTypes[kFunctionTypeCount] = {
    ROW(HzkrReg, "Heizkreisregler", 18, 6),
    // Two short names, but one output variable: the second has no pin.
    ROW(AnfHeizung, "Anforderung Heizung", 21, 1),
    ROW(AnfWarmwasser, "Anforderung Warmwasser", 20, 5),
    ROW(Ladepumpe, "Ladepumpe", 15, 1),
    ROW(Zirkulation, "Zirkulation", 0, 2),
    ROW(Solarregelung, "Solarregelung", 9, 2),
    ROW(Solarvorrang, "Solarvorrang", 8, 1),
    ROW(PID_Regelung, "PID-Regelung", 12, 1),
    ROW(Vergleich, "Vergleich", 4, 2),
    ROW(Logikfunc, "Logikfunktion", 14, 2),
    ROW(Analogfunc, "Analogfunktion", 22, 1),
    ROW(WMZ, "Wärmemengenzähler", 3, 3),
    ROW(Wartungsfunc, "Wartungsfunktion", 2, 2),
    ROW(Timer, "Timerfunktion", 5, 2),
    ROW(Schaltuhr, "Schaltuhr", 10, 2),
    ROW(Startfunc, "Startfunktion", 7, 1),
    ROW(Zaehler, "Zähler", 1, 1),
    ROW(Kuehlfunc, "Kühlfunktion", 16, 2),
    ROW(MischerReg, "Mischerregelfunktion", 13, 2),
    ROW(FuncKontrolle, "Funktionskontrolle", 19, 2),
    ROW(Sync, "Synchronisation", 6, 3),
    ROW(Profilfunc, "Profilfunktion", 11, 3),
    ROW(Kesselkaskade, "Kesselkaskade", 17, 10),
};

#undef ROW

const FunctionTypeInfo* FindFunctionType(int typeCode)
{
    return typeCode >= 1 && typeCode <= kFunctionTypeCount ? &kFunctionTypes[typeCode - 1] : nullptr;
}

const FunctionTypeInfo* FindFunctionType(const char* kind)
{
    if (!kind)
        return nullptr;
    for (const FunctionTypeInfo& info : kFunctionTypes) {
        if (std::strcmp(info.kind, kind) == 0)
            return &info;
    }
    return nullptr;
}

BYTE StandardDesignationCount(const char* kind)
{
    const FunctionTypeInfo* info = FindFunctionType(kind);
    return info ? info->standardCount : 0;
}

BYTE StandardDesignationCountOfType(int typeCode)
{
    const FunctionTypeInfo* info = FindFunctionType(typeCode);
    return info ? info->standardCount : 0;
}

const char* FunctionKindName(int typeCode)
{
    const FunctionTypeInfo* info = FindFunctionType(typeCode);
    return info ? info->kind : "";
}

int TypeCodeOfKind(const char* kind)
{
    const FunctionTypeInfo* info = FindFunctionType(kind);
    return info ? info->typeCode : 0;
}

}  // namespace texts
