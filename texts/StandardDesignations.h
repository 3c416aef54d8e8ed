// The function types with their internal kind names and the number of standard designations each type offers.
#pragma once

#include "platform/Types.h"

namespace texts {

struct FunctionTypeInfo {
    int typeCode;       // the type code stored in byte 0 of a function-table entry
    const char* kind;   // internal kind name, Windows-1252, compared byte for byte
    BYTE standardCount; // number of standard designations (k)
};

// The 23 function types in the order of their type codes 1 to 23.
constexpr int kFunctionTypeCount = 23;
extern const FunctionTypeInfo kFunctionTypes[kFunctionTypeCount];

// k of a kind name (exact, case-sensitive); 0 for any name that is no function type.
BYTE StandardDesignationCount(const char* kind);

// k of a type code 1 to 23; 0 for any other code.
BYTE StandardDesignationCountOfType(int typeCode);

// The internal kind name of a type code 1 to 23; "" for any other code.
const char* FunctionKindName(int typeCode);

}  // namespace texts
