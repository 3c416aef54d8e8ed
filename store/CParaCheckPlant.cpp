// CParaCheck: repairs of the input and output records and of the anti-seize settings.
#include "store/CParaCheck.h"

#include "store/PlantFields.h"

#include <initializer_list>

namespace {

constexpr BYTE kUserCount = 16;  // user-defined designations

// An index outside 1..count becomes count + 1 (no designation) with digit 0.
void LimitIndex(BYTE& index, BYTE& digit, BYTE count)
{
    if (index < 1 || index > count) {
        index = static_cast<BYTE>(count + 1);
        digit = 0;
    }
}

// The two-group layout: group 1 the user-defined designations, any other group becomes 0, the standard list of
// count names.
void CheckTwoGroups(int& group, BYTE& index, BYTE& digit, BYTE standardCount)
{
    if (group != 1)
        group = 0;
    LimitIndex(index, digit, group == 1 ? kUserCount : standardCount);
}

std::span<const record::FieldInfo> FieldTable(const EingangParam&) { return record::kEingangFields; }
std::span<const record::FieldInfo> FieldTable(const AusgangParam&) { return record::kAusgangFields; }

// A designation digit above 9 becomes 0.
template <class Record>
void LimitDigit(Record& r)
{
    record::RepairField(r, FieldTable(r), &r.digit);
}

// The scale and correction fields of an input that has no scale.
void ClearScale(EingangParam& r)
{
    r.processQuantity = 0;
    r.scaleInLow = 0;
    r.scaleInHighMinus1 = 199;
    r.scaleOutLow = 0;
    r.scaleOutHigh = 10;
}

void LimitAveraging(EingangParam& r)
{
    record::RepairField(r, record::kEingangFields, &r.averaging);
}

// Index ranges of the six designation groups of an analog temperature input.
constexpr BYTE kTemperaturGruppen[6] = {18, 15, 16, 12, 4, 16};

}  // namespace

using record::RepairField;

void CParaCheck::CheckEingang(BYTE n, EingangParam& r)
{
    if (r.type == kEingangAnalog && r.quantity == kGroesseStrahlung) {
        CheckTwoGroups(r.group, r.index, r.digit, 1);
        LimitDigit(r);
        r.sensorType = 1;
        LimitAveraging(r);
        r.factor = 1;
        ClearScale(r);
        if (r.correction >= 100 && r.correction <= 156)
            r.correction = 0;
        return;
    }
    const bool signal = r.type == kEingangAnalog &&
                        (r.quantity == kGroesseSpannung ||
                         (n == 8 && (r.quantity == kGroesseStrom || r.quantity == kGroesseWiderstand)));
    if (signal) {
        const int pq = r.processQuantity;
        if (pq == 1 || pq == 6 || pq == 7) {
            RepairField(r, record::kEingangFields, &r.group);
            LimitIndex(r.index, r.digit, r.group == 1 ? kUserCount : 18);
        } else if (pq == 2) {
            CheckTwoGroups(r.group, r.index, r.digit, 1);
        } else {
            if (pq != 3 && pq != 4 && pq != 5)
                r.processQuantity = 0;
            CheckTwoGroups(r.group, r.index, r.digit, 4);
        }
        LimitDigit(r);
        r.sensorType = 1;
        LimitAveraging(r);
        r.factor = 1;
        // Flow and pressure reach 15 units on the output side, every other quantity 10.
        const BYTE limit = (pq == 6 || pq == 7) ? 15 : 10;
        if (r.scaleOutLow > limit)
            r.scaleOutLow = 0;
        if (r.scaleOutHigh > limit)
            r.scaleOutHigh = 10;
        RepairField(r, record::kEingangFields, &r.scaleInLow);
        RepairField(r, record::kEingangFields, &r.scaleInHighMinus1);
        r.correction = 0;
        return;
    }
    if (r.type == kEingangAnalog) {
        r.quantity = kGroesseTemperatur;
        RepairField(r, record::kEingangFields, &r.group);
        LimitIndex(r.index, r.digit, kTemperaturGruppen[r.group]);
        LimitDigit(r);
        RepairField(r, record::kEingangFields, &r.sensorType);
        LimitAveraging(r);
        r.factor = 1;
        ClearScale(r);
        if (r.correction == 128)
            r.correction = 0;
        return;
    }
    if (r.type == kEingangDigital) {
        r.quantity = 1;
        CheckTwoGroups(r.group, r.index, r.digit, 4);
        LimitDigit(r);
        r.sensorType = 1;
        r.averaging = 10;
        r.factor = 1;
    } else if (r.type == kEingangImpuls) {
        if (r.quantity == kGroesseImpulse) {
            RepairField(r, record::kEingangFields, &r.divisor);
        } else if (r.quantity == kGroesseWind) {
            if (r.factor < 1 || r.factor > 100)
                r.factor = 1;
        } else {
            r.quantity = kGroesseDurchfluss;
            if (r.factor < 1 || r.factor > 200)
                r.factor = 1;
        }
        CheckTwoGroups(r.group, r.index, r.digit, 6);
        LimitDigit(r);
        r.sensorType = 1;
        LimitAveraging(r);
    } else {
        r.type = kEingangUnbenutzt;
        r.quantity = 1;
        r.group = 0;
        r.index = 0;
        r.digit = 0;
        r.sensorType = 1;
        r.averaging = 10;
        r.factor = 1;
    }
    ClearScale(r);
    r.correction = 0;
}

void CParaCheck::CheckAusgang(BYTE n, AusgangParam& r)
{
    if (n == 15 || n == 16) {
        for (const BYTE* field : {&r.digitalLevel, &r.scaleInLow, &r.scaleInHigh, &r.scaleOutLow, &r.scaleOutHigh})
            record::RepairField(r, record::kAusgangFields, field);
        return;
    }
    switch (r.type) {
    case kAusgangSchalt:
    case kAusgangDrehzahl:
        if (r.group == 1) {
            LimitIndex(r.index, r.digit, 2);
        } else if (r.group == 2) {
            LimitIndex(r.index, r.digit, kUserCount);
        } else {
            r.group = 0;
            LimitIndex(r.index, r.digit, 18);
        }
        LimitDigit(r);
        RepairField(r, record::kAusgangFields, &r.delay);
        RepairField(r, record::kAusgangFields, &r.followUp);
        if (r.type == kAusgangSchalt || r.phaseCut != 1)
            r.phaseCut = 0;
        break;
    case kAusgangMischer:
        r.delay = 0;
        r.phaseCut = 0;
        RepairField(r, record::kAusgangFields, &r.runTime);
        CheckTwoGroups(r.group, r.index, r.digit, 2);
        LimitDigit(r);
        break;
    case kAusgangDatenleitung:
        r.delay = 0;
        r.followUp = 0;
        r.phaseCut = 0;
        r.group = 0;
        LimitIndex(r.index, r.digit, 1);
        LimitDigit(r);
        break;
    default:
        // The run time and the flags of output 14 are left as they are.
        r.type = kAusgangUnbenutzt;
        r.phaseCut = 0;
        r.group = 0;
        r.index = 0;
        r.digit = 0;
        r.delay = 0;
        r.followUp = 0;
        break;
    }
}

void CParaCheck::CheckAntiblockierschutz(AntiblockierschutzParam& r)
{
    record::RepairRanges(r, record::kAntiblockierschutzFields);
}
