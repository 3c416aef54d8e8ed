// Field tables of the mixer control and boiler cascade records (see FieldInfo.h).
#pragma once

#include "store/FieldInfo.h"
#include "store/KesselkaskadeParam.h"
#include "store/MischerRegParam.h"

namespace record {

inline constexpr BYTE kMischerAusgangCodes[] = {kMischerKein, kMischer3, kMischer8, kMischer10, kMischer12};

inline constexpr FieldInfo kMischerRegFields[] = {
    // The fixed setpoint counts only while its source is none.
    ByHand(RECORD_FIELD(MischerRegParam, setpoint.number), Scale::Temperature, 0, 99, 40),
    Ranged(RECORD_FIELD(MischerRegParam, difference), Scale::Difference, 131, 127, 80),  // -75..85 K
    Flag(RECORD_FIELD(MischerRegParam, inverse)),
    // Any other value counts as no mixer.
    Listed(RECORD_FIELD(MischerRegParam, outputs), kMischerAusgangCodes, kMischerKein, Repair::None),
};

inline constexpr FieldInfo kKesselkaskadeFields[] = {
    Ranged(RECORD_FIELD(KesselkaskadeParam, participantCount), Scale::Plain, 1, 6, 2),
    Ranged(RECORD_FIELD(KesselkaskadeParam, boilerCount), Scale::Plain, 2, 3, 2),
    Ranged(RECORD_FIELD(KesselkaskadeParam, hourDifference), Scale::Plain, 1, 250, 10),
    // Function number + 1 of a heating or hot-water request of the same file, else 0.
    ByHand(RECORD_FIELD(KesselkaskadeParam, participants[0]), Scale::Plain, 0, 45, 0).Each(6, 1),
    // The boilers in use only; the switch-off difference lies above the switch-on one, the place within the
    // boilers in use.
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].onDifference), Scale::Difference, 128, 126, 126)
        .Each(3, sizeof(KesselBlock)),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].offDifference), Scale::Difference, 129, 127, 127)
        .Each(3, sizeof(KesselBlock)),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].delay), Scale::Duration, 0, 251, 1).Each(3, sizeof(KesselBlock)),
    Flag(RECORD_FIELD(KesselkaskadeParam, boilers[0].autoChange)).Each(3, sizeof(KesselBlock)),
    ByHand(RECORD_FIELD(KesselkaskadeParam, boilers[0].position), Scale::Plain, 1, 3, 1).Each(3, sizeof(KesselBlock)),
};

}  // namespace record
