// The function types: type code, internal kind name, standard designations, output variables and function-overview
// labels of each type.
#pragma once

#include "platform/Types.h"

namespace texts {

// Function type codes as a function-table entry stores them; 0 (and 255) mark an empty slot. The one name of the
// codes everywhere; store/FunctionTypes.h holds the catalog of what else is known of each type.
enum FunctionTypeCode : int {
    kTypeHzkrReg = 1,
    kTypeAnfHeizung = 2,
    kTypeAnfWarmwasser = 3,
    kTypeLadepumpe = 4,
    kTypeZirkulation = 5,
    kTypeSolarregelung = 6,
    kTypeSolarvorrang = 7,
    kTypePID_Regelung = 8,
    kTypeVergleich = 9,
    kTypeLogikfunc = 10,
    kTypeAnalogfunc = 11,
    kTypeWMZ = 12,
    kTypeWartungsfunc = 13,
    kTypeTimer = 14,
    kTypeSchaltuhr = 15,
    kTypeStartfunc = 16,
    kTypeZaehler = 17,
    kTypeKuehlfunc = 18,
    kTypeMischerReg = 19,
    kTypeFuncKontrolle = 20,
    kTypeSync = 21,
    kTypeProfilfunc = 22,
    kTypeKesselkaskade = 23,
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
};

// The 23 function types in the order of their type codes 1 to 23.
constexpr int kFunctionTypeCount = kTypeKesselkaskade;
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
