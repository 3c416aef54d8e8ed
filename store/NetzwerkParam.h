// The decoded network records: the controller's own network settings, the transmission conditions of the network
// outputs, and one network input as received from another controller.
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"

struct NetzwerkParam {
    BYTE node = 0;       // own node number 1..62 ("Numero NODO:")
    BYTE release = 0;    // 1 = on ("RILASCIO:")
    BYTE automatic = 0;  // automatic operation, 1 = on ("Autooperat.:")
};
static_assert(sizeof(NetzwerkParam) == 3);

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kNetzwerkFields[] = {
    Ranged(RECORD_FIELD(NetzwerkParam, node), Scale::Plain, 1, 62, 1),
    Flag(RECORD_FIELD(NetzwerkParam, release)),
    Flag(RECORD_FIELD(NetzwerkParam, automatic)),
};

}  // namespace record
