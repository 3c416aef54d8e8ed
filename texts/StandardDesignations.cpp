// Table of the function types: type code, internal kind name and count of standard designations.
#include "texts/StandardDesignations.h"

#include <cstring>

namespace texts {

const FunctionTypeInfo kFunctionTypes[kFunctionTypeCount] = {
    {1, "Heizkreisregler", 2},
    {2, "Anforderung Heizung", 1},
    {3, "Anforderung Warmwasser", 1},
    {4, "Ladepumpe", 1},
    {5, "Zirkulation", 3},
    {6, "Solarregelung", 3},
    {7, "Solarvorrang", 1},
    {8, "PID-Regelung", 5},
    {9, "Vergleich", 4},
    {10, "Logikfunktion", 4},
    {11, "Analogfunktion", 6},
    {12, "Wärmemengenzähler", 3},
    {13, "Wartungsfunktion", 2},
    {14, "Timerfunktion", 6},
    {15, "Schaltuhr", 1},
    {16, "Startfunktion", 1},
    {17, "Zähler", 8},
    {18, "Kühlfunktion", 1},
    {19, "Mischerregelfunktion", 2},
    {20, "Funktionskontrolle", 3},
    {21, "Synchronisation", 3},
    {22, "Profilfunktion", 3},
    {23, "Kesselkaskade", 1},
};

BYTE StandardDesignationCount(const char* kind)
{
    if (!kind)
        return 0;
    for (const FunctionTypeInfo& info : kFunctionTypes) {
        if (std::strcmp(info.kind, kind) == 0)
            return info.standardCount;
    }
    return 0;
}

BYTE StandardDesignationCountOfType(int typeCode)
{
    return typeCode >= 1 && typeCode <= kFunctionTypeCount ? kFunctionTypes[typeCode - 1].standardCount : 0;
}

const char* FunctionKindName(int typeCode)
{
    return typeCode >= 1 && typeCode <= kFunctionTypeCount ? kFunctionTypes[typeCode - 1].kind : "";
}

}  // namespace texts
