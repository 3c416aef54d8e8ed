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
template <std::size_t K, std::size_t N, std::size_t P, std::size_t L, std::size_t T>
constexpr FunctionTypeInfo Type(int code, const char* kind, const char* const (&standardNames)[K], int headEntry,
                                BYTE outputCount, const char* const (&outputNames)[N],
                                const char* const (&outputPins)[P], const char* const (&overviewLabels)[L],
                                const char* kindText, const ui::PinText (&pinTexts)[T])
{
    static_assert(N == P, "every output variable has one pin entry");
    return {code, kind, static_cast<BYTE>(K), standardNames, headEntry, outputCount, static_cast<BYTE>(N), outputNames,
            outputPins, static_cast<BYTE>(L), overviewLabels, kindText, static_cast<BYTE>(T), pinTexts};
}

namespace names = ui::standard_names;
namespace outputs = ui::output_variables;
namespace overview = ui::overview_labels;
namespace kind_names = ui::kind_names;
namespace pin_texts = ui::pin_texts;

}  // namespace

// The table from the rows of the types: each row's lists are named after the type.
#define ROW(name, code, kind, head, outputCount)                                                                       \
    Type(kType##name, kind, names::k##name, head, outputCount, outputs::k##name, pins::k##name, overview::k##name,     \
         kind_names::k##name, pin_texts::k##name),

const FunctionTypeInfo kFunctionTypes[kFunctionTypeCount] = {FUNCTION_TYPE_ROWS(ROW)};

#undef ROW

// FindFunctionType takes a row by its code: the rows stand in the order of their codes 1 to kFunctionTypeCount.
namespace {
#define ROW(name, code, kind, head, outputCount) code,
constexpr int kCodesInRowOrder[] = {FUNCTION_TYPE_ROWS(ROW)};
#undef ROW
constexpr bool CodesCountFromOne()
{
    for (int i = 0; i < kFunctionTypeCount; ++i)
        if (kCodesInRowOrder[i] != i + 1)
            return false;
    return true;
}
static_assert(CodesCountFromOne());
}  // namespace

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
