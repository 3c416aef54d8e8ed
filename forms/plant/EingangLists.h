// The lists of the input form, by the input's case: designation lists, the correction, quotient and divisor lists,
// the signal and process scales, each with its label and unit.
#pragma once

#include "platform/CString.h"
#include "store/EingangParam.h"

#include <span>
#include <vector>

namespace plant {

// The predefined designations of an input (items 1 to n): the temperature group's list in the six-group layout,
// else the list of its type, measured or process quantity.
std::span<const char* const> EingangStandardList(const EingangParam& input, bool sixGroups);

struct ValueList {
    std::vector<CString> items;
    const char* label = "";
    const char* unit = "";
    int selection = -1;  // the item of the input's value
};

// The correction list of a temperature or solar input, else the quotient (flow, wind) or divisor (impulses) list.
ValueList EingangCorrection(const EingangParam& input, bool temperature, bool solar);
// The signal scale of a voltage, current or resistance input: lower (index i) and upper (index i, one step above).
ValueList EingangSignalScale(const EingangParam& input, bool upper);
// The process scale of the input's process quantity, the same for the lower and the upper value.
ValueList EingangProcessScale(const EingangParam& input);

}  // namespace plant
