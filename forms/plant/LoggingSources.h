// What the CAN data logging offers and shows: the groups of its source tree, and the texts of its time-out list.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <vector>

class CParaDaten;

namespace plant {

struct SourceGroup {
    BYTE kind;   // the source kind of the group's values
    int values;  // values 1 to this number
};

// In tree order: inputs, sensor status, outputs, each function of the working copy in slot order up to the first
// empty slot (a heat meter with its three output variables too), messages, network inputs, network status.
std::vector<SourceGroup> LoggingSourceGroups(CParaDaten& para);

// The time-out list's text of a time byte 10 to 251: seconds, half minutes, minutes, half hours.
CString TimeoutText(int code);

}  // namespace plant
