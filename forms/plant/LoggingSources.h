// What the CAN data logging offers: the groups of its source tree. The texts of its time-out list are the time-byte
// texts of resources/ValueLists.
#pragma once

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

}  // namespace plant
