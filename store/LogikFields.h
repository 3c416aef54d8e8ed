// Field tables of the logic, time and monitoring records: analog and logic function, comparison, function control,
// timer, counter, time switch, synchronisation, profile and maintenance function (see FieldInfo.h). Fields whose
// scale follows the record's unit (offsets, fixed values, differences, steps, sync windows) have no row: their
// rules stay with the repair.
#pragma once

#include "store/AnalogfuncParam.h"
#include "store/Einheit.h"
#include "store/FieldInfo.h"
#include "store/FuncKontrolleParam.h"
#include "store/HeizungFields.h"
#include "store/LogikfuncParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"

namespace record {

inline constexpr BYTE kAnalogFunktionCodes[] = {kAnalogNull, kAnalogMin,   kAnalogMax,
                                                kAnalogMittel, kAnalogSumme, kAnalogFilter};
// The units of the analog function, of the profile function and of the comparison are the first 3, 8 and 12.
inline constexpr BYTE kEinheitCodes[] = {kEinheitOhne,  kEinheitTemperatur, kEinheitStrahlung, kEinheitZeit,
                                         kEinheitImpulse, kEinheitKwh,     kEinheitMwh,       kEinheitLeistung,
                                         kEinheitDurchfluss, kEinheitWind, kEinheitFeuchte,   kEinheitDruck};
inline constexpr BYTE kLogikFunktionCodes[] = {kLogikAus, kLogikOder, kLogikUnd, kLogikFlipFlop};
inline constexpr BYTE kZaehlerModusCodes[] = {kZaehlerStunden, kZaehlerImpulse};
inline constexpr BYTE kSyncModusCodes[] = {kSyncStunde, kSyncTag, kSyncMonat, kSyncJahr};

inline constexpr FieldInfo kAnalogfuncFields[] = {
    // Never below the highest variable with a source.
    ByHand(RECORD_FIELD(AnalogfuncParam, variableCount), Scale::Plain, 1, 6, 2),
    Listed(RECORD_FIELD(AnalogfuncParam, function), kAnalogFunktionCodes, kAnalogMin, Repair::Range),
    Listed(RECORD_FIELD(AnalogfuncParam, unit), std::span(kEinheitCodes).first(3), kEinheitTemperatur, Repair::Range),
    Ranged(RECORD_FIELD(AnalogfuncParam, filterTime), Scale::Duration, 0, 251, 0),
};

inline constexpr FieldInfo kLogikfuncFields[] = {
    // Always the highest connected input.
    ByHand(RECORD_FIELD(LogikfuncParam, inputCount), Scale::Plain, 1, 6, 1),
    Listed(RECORD_FIELD(LogikfuncParam, function), kLogikFunktionCodes, kLogikOder, Repair::Range),
    Flag(RECORD_FIELD(LogikfuncParam, result[0])).Each(16, 1),
    Flag(RECORD_FIELD(LogikfuncParam, inverted[0])).Each(16, 1),
};

inline constexpr FieldInfo kVergleichFields[] = {
    Listed(RECORD_FIELD(VergleichParam, unit), kEinheitCodes, kEinheitTemperatur, Repair::Range),
    Flag(RECORD_FIELD(VergleichParam, above[0])).Each(16, 1),
    Flag(RECORD_FIELD(VergleichParam, below[0])).Each(16, 1),
};

inline constexpr FieldInfo kFuncKontrolleFields[] = {
    Ranged(RECORD_FIELD(FuncKontrolleParam, errorDelay), Scale::Plain, 1, 120, 15),
    Ranged(RECORD_FIELD(FuncKontrolleParam, differenceLimit), Scale::Plain, 0, 99, 50),
    // The constant counts only while its source is none.
    ByHand(RECORD_FIELD(FuncKontrolleParam, valueB.number), Scale::Temperature, 0, 200, 60),
    Flag(RECORD_FIELD(FuncKontrolleParam, keepError)),
    // Output 16 has no stored bit.
    Flag(RECORD_FIELD(FuncKontrolleParam, valueError[0])).Each(15, 1),
    Flag(RECORD_FIELD(FuncKontrolleParam, differenceError[0])).Each(15, 1),
};

inline constexpr FieldInfo kTimerFields[] = {
    // The constant duty counts only while its source is none.
    ByHand(RECORD_FIELD(TimerParam, duty.number), Scale::Plain, 0, 100, 100),
    Flag(RECORD_FIELD(TimerParam, retrigger)),
    Ranged(RECORD_FIELD(TimerParam, time), Scale::Duration, 0, 251, 0),
    Ranged(RECORD_FIELD(TimerParam, offTime), Scale::Duration, 0, 251, 0),
    Flag(RECORD_FIELD(TimerParam, output[0])).Each(16, 1),
    Flag(RECORD_FIELD(TimerParam, inverted[0])).Each(16, 1),
};

inline constexpr FieldInfo kZaehlerFields[] = {
    // At least the highest connected input.
    ByHand(RECORD_FIELD(ZaehlerParam, inputCount), Scale::Plain, 1, 6, 1),
    Listed(RECORD_FIELD(ZaehlerParam, mode), kZaehlerModusCodes, kZaehlerStunden, Repair::None),
    Ranged(RECORD_FIELD(ZaehlerParam, divisor), Scale::Plain, 1, 250, 1),
    // What the form's save accepts, so that a stored record never makes it refuse every save.
    Ranged(RECORD_FIELD(ZaehlerParam, position), Scale::Plain, 0, 65535, 0),
    // Minutes only in hours mode.
    ByHand(RECORD_FIELD(ZaehlerParam, minutes), Scale::Plain, 0, 59, 0),
};

inline constexpr FieldInfo kSchaltuhrFields[] = {
    TIME_PROGRAM_CONTROL_FIELDS(SchaltuhrParam, 1),
    Ranged(RECORD_FIELD(SchaltuhrParam, nominalValue), Scale::Temperature, 0, 99, 5),
    // The blocking times count only with a blocking source.
    ByHand(RECORD_FIELD(SchaltuhrParam, blockMinTime), Scale::Duration, 0, 202, 0),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockMinDays), Scale::Plain, 0, 31, 0),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockTime), Scale::Duration, 0, 202, 0),
    ByHand(RECORD_FIELD(SchaltuhrParam, blockDays), Scale::Plain, 0, 31, 0),
};

inline constexpr FieldInfo kSyncFields[] = {
    Ranged(RECORD_FIELD(SyncParam, windowCount), Scale::Plain, 1, 5, 1),
    Listed(RECORD_FIELD(SyncParam, mode), kSyncModusCodes, kSyncStunde, Repair::Range),
    Flag(RECORD_FIELD(SyncParam, once)),
};

inline constexpr FieldInfo kProfilFields[] = {
    Ranged(RECORD_FIELD(ProfilfuncParam, stepCount), Scale::Plain, 2, 64, 2),
    Listed(RECORD_FIELD(ProfilfuncParam, unit), std::span(kEinheitCodes).first(8), kEinheitTemperatur, Repair::Range),
    Flag(RECORD_FIELD(ProfilfuncParam, repeat)),
    // The internal clock time counts only without a clock source.
    ByHand(RECORD_FIELD(ProfilfuncParam, clock.number), Scale::Duration, 1, 251, 1),
};

inline constexpr FieldInfo kWartungsfuncFields[] = {
    Ranged(RECORD_FIELD(WartungsfuncParam, circuitCount), Scale::Plain, 1, 5, 2),
    Ranged(RECORD_FIELD(WartungsfuncParam, runTime), Scale::Plain, 0, 120, 20),
    Ranged(RECORD_FIELD(WartungsfuncParam, burnerPower), Scale::Plain, 20, 100, 80),
    Flag(RECORD_FIELD(WartungsfuncParam, burnerDemand[0])).Each(16, 1),
    // Function number + 1 of a heating-circuit controller of the same file, else 0.
    ByHand(RECORD_FIELD(WartungsfuncParam, circuits[0]), Scale::Plain, 0, 45, 0).Each(5, 1),
};

}  // namespace record
