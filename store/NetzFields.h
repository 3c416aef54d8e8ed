// Field tables of the network and CAN data-logging records (see FieldInfo.h).
#pragma once

#include "store/FieldInfo.h"
#include "store/HeizungFields.h"
#include "store/LoggingListen.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Sendebedingungen.h"

namespace record {

inline constexpr FieldInfo kNetzwerkFields[] = {
    Ranged(RECORD_FIELD(NetzwerkParam, node), Scale::Plain, 1, 62, 1),
    Flag(RECORD_FIELD(NetzwerkParam, release)),
    Flag(RECORD_FIELD(NetzwerkParam, automatic)),
};

inline constexpr FieldInfo kSendebedingungenFields[] = {
    Flag(RECORD_FIELD(Sendebedingungen, onChange)),
    Ranged(RECORD_FIELD(Sendebedingungen, interval), Scale::Plain, 1, 60, 5),
    Ranged(RECORD_FIELD(Sendebedingungen, blocking), Scale::Plain, 1, 120, 10),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].threshold), Scale::Plain, 10, 250, 30)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe)),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].interval), Scale::Plain, 1, 60, 5)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe)),
    Ranged(RECORD_FIELD(Sendebedingungen, analog[0].blocking), Scale::Plain, 1, 120, 10)
        .Each(4, sizeof(Sendebedingungen::AnalogGruppe)),
};

// The eight time-outs of the network inputs (four digital, four analog), one byte each, kept as an array.
inline constexpr unsigned kNetzTimeoutCount = 8;
inline constexpr FieldInfo kNetzTimeoutFields[] = {
    Ranged(FieldRef {"timeouts", 0, 1}, Scale::Plain, 5, 240, 60).Each(kNetzTimeoutCount, 1),
};

inline constexpr FieldInfo kNetzEingangFields[] = {
    Listed(RECORD_FIELD(NetzEingang, transport), kNoYesCodes, 0, Repair::Hand),
    // A node above 62 also clears the transport.
    ByHand(RECORD_FIELD(NetzEingang, node), Scale::Plain, 0, 62, 0),
    Ranged(RECORD_FIELD(NetzEingang, output), Scale::Plain, 1, 16, 1),
};

inline constexpr FieldInfo kLoggingFields[] = {
    Ranged(RECORD_FIELD(LoggingListen, masterNode), Scale::Plain, 0, 62, 62),
    Ranged(RECORD_FIELD(LoggingListen, timeout), Scale::Duration, 10, 251, 60),
};

}  // namespace record
