// The function types: type code, internal kind name, display name, standard designations, output variables,
// function-overview labels and pin texts of each type.
#pragma once

#include "platform/Types.h"

namespace ui {
struct PinText;
}

namespace texts {

// The function types, one row each: its name in code, the type code a function-table entry stores (0 and 255 mark
// an empty slot), the internal kind name, the entry of g_BezeichnungsTexte that heads its designation list and the
// number of output variables. The codes' names, their count and the table below are derived from these rows;
// store/FunctionTypes.h holds the catalog of what else is known of each type. The head entries 0 to 22 follow the
// kind names in reverse alphabetical order.
#define FUNCTION_TYPE_ROWS(ROW)                                                                                        \
    ROW(HzkrReg, 1, "Heizkreisregler", 18, 6)                                                                          \
    /* two short names, but one output variable: the second has no pin */                                              \
    ROW(AnfHeizung, 2, "Anforderung Heizung", 21, 1)                                                                   \
    ROW(AnfWarmwasser, 3, "Anforderung Warmwasser", 20, 5)                                                             \
    ROW(Ladepumpe, 4, "Ladepumpe", 15, 1)                                                                              \
    ROW(Zirkulation, 5, "Zirkulation", 0, 2)                                                                           \
    ROW(Solarregelung, 6, "Solarregelung", 9, 2)                                                                       \
    ROW(Solarvorrang, 7, "Solarvorrang", 8, 1)                                                                         \
    ROW(PID_Regelung, 8, "PID-Regelung", 12, 1)                                                                        \
    ROW(Vergleich, 9, "Vergleich", 4, 2)                                                                               \
    ROW(Logikfunc, 10, "Logikfunktion", 14, 2)                                                                         \
    ROW(Analogfunc, 11, "Analogfunktion", 22, 1)                                                                       \
    ROW(WMZ, 12, "Wärmemengenzähler", 3, 3)                                                                            \
    ROW(Wartungsfunc, 13, "Wartungsfunktion", 2, 2)                                                                    \
    ROW(Timer, 14, "Timerfunktion", 5, 2)                                                                              \
    ROW(Schaltuhr, 15, "Schaltuhr", 10, 2)                                                                             \
    ROW(Startfunc, 16, "Startfunktion", 7, 1)                                                                          \
    ROW(Zaehler, 17, "Zähler", 1, 1)                                                                                   \
    ROW(Kuehlfunc, 18, "Kühlfunktion", 16, 2)                                                                          \
    ROW(MischerReg, 19, "Mischerregelfunktion", 13, 2)                                                                 \
    ROW(FuncKontrolle, 20, "Funktionskontrolle", 19, 2)                                                                \
    ROW(Sync, 21, "Synchronisation", 6, 3)                                                                             \
    ROW(Profilfunc, 22, "Profilfunktion", 11, 3)                                                                       \
    ROW(Kesselkaskade, 23, "Kesselkaskade", 17, 10)

// The one name of each type code everywhere.
enum FunctionTypeCode : int {
#define FUNCTION_TYPE_CODE(name, code, kind, head, outputCount) kType##name = code,
    FUNCTION_TYPE_ROWS(FUNCTION_TYPE_CODE)
#undef FUNCTION_TYPE_CODE
};
// Stored in every function-table entry and in the drawing's exchange files: the codes never move.
static_assert(kTypeHzkrReg == 1 && kTypeAnfHeizung == 2 && kTypeAnfWarmwasser == 3 && kTypeLadepumpe == 4 &&
              kTypeZirkulation == 5 && kTypeSolarregelung == 6 && kTypeSolarvorrang == 7 && kTypePID_Regelung == 8 &&
              kTypeVergleich == 9 && kTypeLogikfunc == 10 && kTypeAnalogfunc == 11 && kTypeWMZ == 12 &&
              kTypeWartungsfunc == 13 && kTypeTimer == 14 && kTypeSchaltuhr == 15 && kTypeStartfunc == 16 &&
              kTypeZaehler == 17 && kTypeKuehlfunc == 18 && kTypeMischerReg == 19 && kTypeFuncKontrolle == 20 &&
              kTypeSync == 21 && kTypeProfilfunc == 22 && kTypeKesselkaskade == 23);

struct FunctionTypeInfo {
    int typeCode;                      // the type code stored in byte 0 of a function-table entry
    const char* kind;                  // internal kind name, Windows-1252, compared byte for byte
    BYTE standardCount;                // number of standard designations (k)
    const char* const* standardNames;  // standard names 1 to k, in index order
    int headEntry;                     // entry of g_BezeichnungsTexte that heads the type's designation list
    BYTE outputCount;                  // number of output variables the type has
    BYTE outputNameCount;              // output variables with a short name; may exceed outputCount
    const char* const* outputNames;    // short names of output variables 1 to outputNameCount
    const char* const* outputPins;     // internal name of the pin that carries each variable; null: no pin
    BYTE overviewCount;                // number of values the function overview can show of the type
    const char* const* overviewLabels; // their labels, by parameter number 1 to overviewCount
    const char* kindText;              // the kind's display name
    BYTE pinTextCount;                 // number of pins with a display text
    const ui::PinText* pinTexts;       // internal name and display text of each of those pins
};

// The number of function types: their codes are 1 to kFunctionTypeCount, and the table holds them in that order.
#define FUNCTION_TYPE_ONE(name, code, kind, head, outputCount) +1
constexpr int kFunctionTypeCount = 0 FUNCTION_TYPE_ROWS(FUNCTION_TYPE_ONE);
#undef FUNCTION_TYPE_ONE
extern const FunctionTypeInfo kFunctionTypes[kFunctionTypeCount];

// The type of a code 1 to 23, or of an internal kind name (exact, case-sensitive); null for anything else.
const FunctionTypeInfo* FindFunctionType(int typeCode);
const FunctionTypeInfo* FindFunctionType(const char* kind);

// k of a kind name (exact, case-sensitive); 0 for any name that is no function type.
BYTE StandardDesignationCount(const char* kind);

// k of a type code 1 to 23; 0 for any other code.
BYTE StandardDesignationCountOfType(int typeCode);

// The internal kind name of a type code 1 to 23; "" for any other code.
const char* FunctionKindName(int typeCode);

// The type code 1 to 23 of an internal kind name; 0 for any name that is no function type.
int TypeCodeOfKind(const char* kind);

}  // namespace texts
