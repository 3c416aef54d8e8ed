// The decoded CAN data-logging configuration: the collecting master node, a time-out and two data sets of 16
// analog and 13 digital sources each.
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"
#include "store/Quelle.h"

struct LoggingListen {
    struct Datensatz {
        Quelle analog[16] = {};
        Quelle digital[13] = {};
    };

    BYTE masterNode = 0;  // "MASTER NODO:" 1..62 in the form, 0..62 after repair
    BYTE timeout = 0;     // "Timeout:" time byte, 10..251
    Datensatz sets[2] = {};
};
static_assert(sizeof(LoggingListen) == 118, "every field is one byte, as the codec table decodes it");

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kLoggingFields[] = {
    Ranged(RECORD_FIELD(LoggingListen, masterNode), Scale::Plain, 0, 62, 62),
    Ranged(RECORD_FIELD(LoggingListen, timeout), Scale::Duration, 10, 251, 60),
};

}  // namespace record
