// CParaCheck: the records of the solar control, solar priority, PID control, heat meter, start function and
// cooling function.
#include "store/CParaCheck.h"

#include "store/CParaCheckRules.h"
#include "store/CParaDaten.h"
#include "store/KuehlfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"
#include "texttables/StandardDesignations.h"

#include <cstdint>

namespace {

constexpr BYTE kHighestReference = 45;  // function number 44 + 1; anything above names no function

// A reference to a function by number + 1 stays only when it names a solar control of the given file.
void CheckSolarReference(int file, BYTE& value)
{
    if (value > kHighestReference) {
        value = 0;
        return;
    }
    CParaDaten para;
    const BYTE slot = para.FindFuncByNumber(file, static_cast<BYTE>(value - 1));
    FuncEntry entry;
    if (slot == 0 || !para.GetFuncEntry(file, slot, entry) || entry.type != texts::kTypeSolarregelung)
        value = 0;
}

// A source whose number is a constant while its kind is 0; the constant's row is the one of the number's field.
template <class Record>
void CheckConstantSource(CParaCheck& check, Record& r, std::span<const record::FieldInfo> table, Quelle& source)
{
    check.CheckQuelle(&source.kind, 0, 0);
    if (source.kind == 0)
        record::RepairField(r, table, &source.number);
}

// One of the PID control's three 2-bit modes: 3 becomes 1 ("normale").
void CheckPidModus(std::uint32_t& modes, unsigned shift)
{
    if (((modes >> shift) & 3) == 3)
        modes &= ~(std::uint32_t(2) << shift);
}

}  // namespace

using paracheck::OffBelowOn;
using record::Range;
using record::RepairField;
using record::RepairRanges;

void CParaCheck::CheckSolarregelung(SolarregelungParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeSolarregelung);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kSolarregelungFields);
    OffBelowOn(r.diffOn, r.diffOff);
    CheckQuelle(&r.limitTemp.kind, 0, 0);
    // The limit maximum and its hysteresis are repaired only while the limit is switched off.
    if (r.limitTemp.kind == 0) {
        RepairField(r, record::kSolarregelungFields, &r.limitMax);
        RepairField(r, record::kSolarregelungFields, &r.limitHyst);
    }
}

void CParaCheck::CheckSolarvorrang(int file, SolarvorrangParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 7);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.radiation.kind, 0, 0);
    RepairRanges(r, record::kSolarvorrangFields);
    if (r.timerFromPriority > r.participantCount)
        r.timerFromPriority = r.participantCount;
    for (SolarvorrangTeilnehmer& p : r.participants) {
        if (p.function != 0)
            CheckSolarReference(file, p.function);
        if (p.priority > r.participantCount)
            p.priority = 0;
    }
}

void CParaCheck::CheckPidRegelung(PID_RegelungParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 8);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckPidModus(r.modes, kPidAbsolutShift);
    CheckConstantSource(*this, r, record::kPidRegelungFields, r.absSetpoint);
    CheckPidModus(r.modes, kPidDifferenzShift);
    CheckPidModus(r.modes, kPidEreignisShift);
    CheckConstantSource(*this, r, record::kPidRegelungFields, r.eventThreshold);
    CheckConstantSource(*this, r, record::kPidRegelungFields, r.eventSetpoint);
    RepairRanges(r, record::kPidRegelungFields);
}

void CParaCheck::CheckWmz(WMZParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 12);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    // With both temperatures the byte is the frost-protection share, otherwise a factor.
    if (r.flowTemp.kind != 0 && r.returnTemp.kind != 0) {
        if (r.factor > 100)
            r.factor = 0;
    } else {
        Range(r.factor, 1, 100, 1);
    }
    CheckConstantSource(*this, r, record::kWmzFields, r.flowRate);
    // The calibration points and the meter reading are each kept or reset as a whole.
    const auto inRange = [&r](const auto* field) { return record::FieldInRange(r, record::kWmzFields, field); };
    const bool calibrationOutside = !inRange(&r.upperTemp) || !inRange(&r.upperDiff) || !inRange(&r.lowerTemp) ||
                                    !inRange(&r.lowerDiff);
    if (calibrationOutside) {
        r.calibrated = 0;
        r.upperTemp = 5000;
        r.upperDiff = 0;
        r.lowerTemp = 2499;
        r.lowerDiff = 0;
    }
    if (!inRange(&r.readingKwh) || !inRange(&r.readingMwh)) {
        r.readingKwh = 0;
        r.readingMwh = 0;
    }
}

void CParaCheck::CheckStartfunc(int file, StartfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 16);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kStartfuncFields);
    CheckQuelle(&r.radiation.kind, 0, 0);
    // In 10 W/m2 with a radiation sensor, a plain number without one.
    if (r.activation > (r.radiation.kind != 0 ? 90 : 99))
        r.activation = 20;
    for (BYTE& value : r.solarControls)
        CheckSolarReference(file, value);
}

void CParaCheck::CheckKuehlfunc(KuehlfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 18);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kKuehlfuncFields);
    CheckConstantSource(*this, r, record::kKuehlfuncFields, r.referenceMax);
    OffBelowOn(r.diffOn, r.diffOff);
}
