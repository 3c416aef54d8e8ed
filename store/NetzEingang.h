// One decoded network input: which controller sends it over which line, and which of its network outputs it is.
// Two lists of 16 hold network inputs 1..16 (digital) and 17..32 (analog).
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"
#include "store/SharedCodes.h"

struct NetzEingang {
    BYTE transport = 0;  // 1 data line ("DL"), 0 CAN bus ("CAN")
    BYTE node = 0;       // node number of the sending controller 1..62; 0 = input not used ("non usato")
    BYTE output = 0;     // the sender's network output number 1..16
};
static_assert(sizeof(NetzEingang) == 3);

// The numbers of the network inputs and outputs: 1..16 digital, 17..32 analog (shown as 1..16 again); 33 stands for
// all network inputs where a list offers it.
constexpr BYTE kAllNetworkInputs = 33;
constexpr bool IsDigitalNetworkNumber(BYTE n)
{
    return n >= 1 && n <= 16;
}
constexpr bool IsAnalogNetworkNumber(BYTE n)
{
    return n >= 17 && n <= 32;
}

namespace record {

// Field table (see FieldInfo.h).
inline constexpr FieldInfo kNetzEingangFields[] = {
    Listed(RECORD_FIELD(NetzEingang, transport), kNoYesCodes, 0, Repair::Hand),
    // A node above 62 also clears the transport.
    ByHand(RECORD_FIELD(NetzEingang, node), Scale::Plain, 0, 62, 0),
    Ranged(RECORD_FIELD(NetzEingang, output), Scale::Plain, 1, 16, 1),
};

// The eight time-outs of the network inputs (four digital, four analog), one byte each, kept as an array.
inline constexpr unsigned kNetzTimeoutCount = 8;
inline constexpr FieldInfo kNetzTimeoutFields[] = {
    Ranged(FieldRef {"timeouts", 0, 1}, Scale::Plain, 5, 240, 60).Each(kNetzTimeoutCount, 1),
};

}  // namespace record
