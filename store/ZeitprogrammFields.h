// Field table of a time window of the time-program block (see FieldInfo.h); the block's control fields stand in
// the tables of the records that carry a block.
#pragma once

#include "store/FieldInfo.h"
#include "store/Zeitprogramm.h"

namespace record {

inline constexpr FieldInfo kZeitfensterFields[] = {
    Ranged(RECORD_FIELD(Zeitfenster, start), Scale::TimeOfDay, 0, 143, 0),
    Ranged(RECORD_FIELD(Zeitfenster, end), Scale::TimeOfDay, 0, 143, 0),
    Ranged(RECORD_FIELD(Zeitfenster, setpoint), Scale::Temperature, 0, 90, 20),
};

inline constexpr FieldInfo kZeitprogrammFields[] = {
    Flag(RECORD_FIELD(Zeitprogramm, days[0])).Each(7, 1),
};

}  // namespace record
