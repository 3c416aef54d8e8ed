// Field tables of the plant records: inputs, outputs, anti-seize settings, controller settings and potentiostat
// (see FieldInfo.h). Almost every input and output rule depends on the type and number of the input or output, so
// most rows are repaired by hand code that applies the row's range where it holds.
#pragma once

#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/EingangParam.h"
#include "store/FieldInfo.h"
#include "store/MeldungParam.h"
#include "store/PotentiostatParam.h"
#include "store/ReglerEinstellungen.h"
#include "store/SharedCodes.h"

namespace record {

inline constexpr BYTE kEingangTypCodes[] = {kEingangUnbenutzt, kEingangDigital, kEingangAnalog, kEingangImpuls};
inline constexpr BYTE kSensorTypCodes[] = {1, 2, 3, 4};

inline constexpr FieldInfo kEingangFields[] = {
    Listed(RECORD_FIELD(EingangParam, type), kEingangTypCodes, kEingangUnbenutzt, Repair::Hand),
    // Analog 1..5, impulse 0..2, every other type 1.
    ByHand(RECORD_FIELD(EingangParam, quantity), Scale::Plain, 0, 5, 1),
    Listed(RECORD_FIELD(EingangParam, sensorType), kSensorTypCodes, 1, Repair::Hand),
    ByHand(RECORD_FIELD(EingangParam, divisor), Scale::Plain, 1, 250, 1),
    ByHand(RECORD_FIELD(EingangParam, group), Scale::Plain, 0, 5, 0),
    ByHand(RECORD_FIELD(EingangParam, digit), Scale::Plain, 0, 9, 0),
    ByHand(RECORD_FIELD(EingangParam, averaging), Scale::Tenths, 0, 60, 10),
    // Wind 1..100, flow 1..200.
    ByHand(RECORD_FIELD(EingangParam, factor), Scale::Plain, 1, 200, 1),
    ByHand(RECORD_FIELD(EingangParam, processQuantity), Scale::Plain, 0, 7, 0),
    Flag(RECORD_FIELD(EingangParam, sensorCheck)),
    // A temperature correction of -9.9..9.9 K; other types keep other values or none.
    ByHand(RECORD_FIELD(EingangParam, correction), Scale::Difference, 157, 99, 0),
    ByHand(RECORD_FIELD(EingangParam, scaleInLow), Scale::Plain, 0, 249, 0),
    ByHand(RECORD_FIELD(EingangParam, scaleOutLow), Scale::Plain, 0, 15, 0),
    ByHand(RECORD_FIELD(EingangParam, scaleInHighMinus1), Scale::Plain, 0, 249, 199),
    ByHand(RECORD_FIELD(EingangParam, scaleOutHigh), Scale::Plain, 0, 15, 10),
};

inline constexpr BYTE kAusgangTypCodes[] = {kAusgangUnbenutzt, kAusgangSchalt, kAusgangDrehzahl, kAusgangMischer,
                                            kAusgangDatenleitung};

inline constexpr FieldInfo kAusgangFields[] = {
    Listed(RECORD_FIELD(AusgangParam, type), kAusgangTypCodes, kAusgangUnbenutzt, Repair::Hand),
    Listed(RECORD_FIELD(AusgangParam, phaseCut), kNoYesCodes, 0, Repair::Hand),
    ByHand(RECORD_FIELD(AusgangParam, group), Scale::Plain, 0, 2, 0),
    ByHand(RECORD_FIELD(AusgangParam, digit), Scale::Plain, 0, 9, 0),
    ByHand(RECORD_FIELD(AusgangParam, delay), Scale::Duration, 0, 249, 0),
    ByHand(RECORD_FIELD(AusgangParam, followUp), Scale::Duration, 0, 249, 0),
    ByHand(RECORD_FIELD(AusgangParam, runTime), Scale::Duration, 0, 249, 92),
    Flag(RECORD_FIELD(AusgangParam, extension)),
    Flag(RECORD_FIELD(AusgangParam, netToDataLine)),
    // Outputs 15 and 16 only.
    ByHand(RECORD_FIELD(AusgangParam, scaleInLow), Scale::Plain, 0, 99, 0),
    ByHand(RECORD_FIELD(AusgangParam, scaleInHigh), Scale::Plain, 1, 100, 100),
    ByHand(RECORD_FIELD(AusgangParam, scaleOutLow), Scale::Plain, 0, 200, 0),
    ByHand(RECORD_FIELD(AusgangParam, scaleOutHigh), Scale::Plain, 0, 200, 200),
    ByHand(RECORD_FIELD(AusgangParam, digitalLevel), Scale::Plain, 0, 200, 200),
    Flag(RECORD_FIELD(AusgangParam, pwm)),
};

inline constexpr FieldInfo kAntiblockierschutzFields[] = {
    Flag(RECORD_FIELD(AntiblockierschutzParam, weekdays[0])).Each(7, 1),
    Ranged(RECORD_FIELD(AntiblockierschutzParam, time), Scale::TimeOfDay, 0, 143, 42),  // 07.00
    Flag(RECORD_FIELD(AntiblockierschutzParam, outputs[0])).Each(16, 1),
};

inline constexpr FieldInfo kReglerFields[] = {
    Ranged(RECORD_FIELD(ReglerEinstellungen, contrast), Scale::Plain, 30, 50, 44),
    Flag(RECORD_FIELD(ReglerEinstellungen, autoFuncView)),
    Ranged(RECORD_FIELD(ReglerEinstellungen, brightness), Scale::Plain, 0, 10, 10),
    // k x 10 s; 0 never.
    Ranged(RECORD_FIELD(ReglerEinstellungen, lightOff), Scale::Plain, 0, 15, 0),
    // One bad digit resets the whole code to the default expert code.
    ByHand(RECORD_FIELD(ReglerEinstellungen, expertCode[0]), Scale::Plain, 0, 9, 0).Each(4, 1),
    Flag(RECORD_FIELD(ReglerEinstellungen, autoSummerTime)),
    Flag(RECORD_FIELD(ReglerEinstellungen, lockParameters)),
    Flag(RECORD_FIELD(ReglerEinstellungen, lockOutputs)),
    Flag(RECORD_FIELD(ReglerEinstellungen, lockMenu)),
};

// The potentiostat's other bytes are reserved and never shown.
inline constexpr FieldInfo kPotentiostatFields[] = {
    Flag(RECORD_FIELD(PotentiostatParam, release)),
};

}  // namespace record
