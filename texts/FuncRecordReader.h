// Reads the decoded record of a function slot of any type and repairs it, for the computations that walk every
// function of a parameter set by byte positions (memory need, controller requirements).
#pragma once

#include "platform/Types.h"

#include <vector>

class CParaDaten;

namespace texts {

// The type's decoded record of the slot, repaired, as its bytes (byte k is position k of the record). With complete
// the sources are taken from the drawing first. Empty for a type code outside 1 to 23; a record that cannot be read
// is judged as the repair leaves its defaults.
std::vector<BYTE> ReadRepairedFuncRecord(CParaDaten& para, int file, BYTE slot, int typeCode, bool complete);

}  // namespace texts
