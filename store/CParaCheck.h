// CParaCheck: the plausibility checker. Every operation repairs one decoded record in place, overwriting each
// out-of-range field with its fixed replacement; it has no result and never reports. Construct it on the stack
// where a record is to be repaired; it keeps nothing between calls.
//
// The keep-low-bit argument of the function and message repairs decides how a fixed digital value above 1 is
// repaired: to its lowest bit (import, and the documentation of an outside function-data file) or to 1 (forms,
// compiler, documentation of the own parameter set).
//
// The class is split over several source files:
//   CParaCheck.cpp    the shared operations: source kinds, flags, the designation and the digital source triple
//                     with which every function-record repair begins
// The repairs of each record kind go into further CParaCheck<Area>.cpp files and are declared in a section of their
// own below.
#pragma once

#include "platform/Types.h"

class CParaCheck {
public:
    // Mask bits of CheckQuelle: each forbids one source kind (0xFFFF forbids every kind).
    enum : DWORD {
        kForbidNone = 0x01,           // kind 0
        kForbidEingang = 0x02,        // kind 1
        kForbidSensorStatus = 0x04,   // kind 97
        kForbidAusgang = 0x08,        // kind 2
        kForbidFuncOutput = 0x10,     // kinds 3 to 46
        kForbidMeldung = 0x20,        // kind 98
        kForbidNetzEingang = 0x40,    // kind 99
        kForbidNetzStatus = 0x80,     // kind 96
        kForbidAll = 0xFFFF,
    };

    CParaCheck() = default;
    virtual ~CParaCheck() = default;

    // ---- Shared operations (CParaCheck.cpp) ----

    // A kind outside 0, 1, 2, 3..46, 96..99, or a kind the mask forbids, becomes the replacement. Only the kind
    // byte is looked at and changed; the number byte that follows it is left as it is.
    void CheckQuelle(BYTE* kind, DWORD forbidden, BYTE replacement);
    // 0 and 1 stay; a larger value becomes its lowest bit with keepLowBit, else 1.
    void CheckFlag(BYTE* flag, BYTE keepLowBit);
    // Bytes 0 to 2 of a decoded function record (group, index, digit) for a type with k standard names: an index
    // outside 1..k (group 0) or above 15 (other groups) clears index and digit; then a digit above 9 becomes 0.
    // The group is never changed.
    void CheckBezeichnung(BYTE* designation, BYTE standardCount);
    // The same, with k of a function type code 1 to 23 (0 for any other code).
    void CheckFuncBezeichnung(BYTE* designation, int typeCode);
    // A digital source triple (kind, inverted flag, number): an unknown kind becomes 0; with kind 0 the number is
    // the fixed value and is repaired with CheckFlag. The inverted flag is not repaired.
    void CheckDigitalQuelle(BYTE* triple, BYTE keepLowBit);
};
