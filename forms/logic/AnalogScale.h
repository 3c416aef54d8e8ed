// The scales of the analog function by unit (0 no dimension, 1 temperature, 2 solar radiation): the lists of the
// fixed values and of the fixed result, and the offsets of connected inputs, with the stored byte of each item.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <vector>

namespace analog_scale {

// The items of the fixed values of the data inputs (result false) or of the fixed result (result true).
std::vector<CString> ValueItems(long unit, bool result);
// The item of a stored value, and the stored value of an item.
int ValueIndex(long unit, BYTE value, bool result);
BYTE ValueOf(long unit, int index, bool result);

// The items of the offsets of connected inputs.
std::vector<CString> OffsetItems(long unit);
int OffsetIndex(long unit, BYTE offset);
BYTE OffsetOf(long unit, int index);

}  // namespace analog_scale
