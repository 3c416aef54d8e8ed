// CParaCheck: the records of the solar control, solar priority, PID control, heat meter, start function and
// cooling function.
#include "store/CParaCheck.h"

#include "store/CParaDaten.h"

#include <cstdint>

namespace {

constexpr int kSolarregelungType = 6;
constexpr BYTE kHighestReference = 45;  // function number 44 + 1; anything above names no function

// Difference bytes compare as signed bytes: the scale rises with the signed value.
int Signed(BYTE value)
{
    return static_cast<signed char>(value);
}

// Outside lo..hi becomes the replacement.
void Range(BYTE& value, BYTE lo, BYTE hi, BYTE replacement)
{
    if (value < lo || value > hi)
        value = replacement;
}

// A switch-off difference that must lie below the switch-on difference. A switch-on difference of -90 K (128)
// would leave no room below it, so it is first raised to -85 K (129).
void OffBelowOn(BYTE& on, BYTE& off)
{
    if (on == 128)
        on = 129;
    if (Signed(off) >= Signed(on))
        off = static_cast<BYTE>(on - 1);
}

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
    if (slot == 0 || !para.GetFuncEntry(file, slot, entry) || entry.type != kSolarregelungType)
        value = 0;
}

// A source whose number is a constant in deg C while its kind is 0.
void CheckConstantSource(CParaCheck& check, Quelle& source, BYTE maximum, BYTE replacement)
{
    check.CheckQuelle(&source.kind, 0, 0);
    if (source.kind == 0 && source.number > maximum)
        source.number = replacement;
}

// One of the PID control's three 2-bit modes: 3 becomes 1 ("normale").
void CheckPidModus(std::uint32_t& modes, unsigned shift)
{
    if (((modes >> shift) & 3) == 3)
        modes &= ~(std::uint32_t(2) << shift);
}

}  // namespace

void CParaCheck::CheckSolarregelung(SolarregelungParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, kSolarregelungType);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    Range(r.collectorMax, 90, 200, 130);
    Range(r.collectorHyst, 5, 115, 80);
    Range(r.referenceMax, 0, 150, 90);
    Range(r.referenceHyst, 5, 115, 80);
    OffBelowOn(r.diffOn, r.diffOff);
    CheckQuelle(&r.limitTemp.kind, 0, 0);
    // The limit maximum and its hysteresis are repaired only while the limit is switched off.
    if (r.limitTemp.kind == 0) {
        Range(r.limitMax, 0, 150, 90);
        Range(r.limitHyst, 5, 115, 80);
    }
}

void CParaCheck::CheckSolarvorrang(int file, SolarvorrangParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 7);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.radiation.kind, 0, 0);
    Range(r.activation, 0, 90, 20);
    Range(r.runTime, 0, 120, 20);
    Range(r.waitTime, 0, 20, 5);
    Range(r.participantCount, 2, 10, 2);
    Range(r.timerFromPriority, 0, 10, 2);
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
    CheckConstantSource(*this, r.absSetpoint, 200, 60);
    CheckPidModus(r.modes, kPidDifferenzShift);
    if (r.diffSetpoint > 189)
        r.diffSetpoint = 80;
    CheckPidModus(r.modes, kPidEreignisShift);
    CheckConstantSource(*this, r.eventThreshold, 200, 60);
    CheckConstantSource(*this, r.eventSetpoint, 200, 60);
    if (r.outputMax > 100)
        r.outputMax = 30;
    if (r.outputMin > 100)
        r.outputMin = 0;
    Range(r.p, 1, 100, 5);
    if (r.i > 100)
        r.i = 5;
    if (r.d > 10)
        r.d = 5;
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
    CheckConstantSource(*this, r.flowRate, 200, 10);
    const bool calibrationOutside = r.upperTemp < 5000 || r.upperTemp > 16000 || r.upperDiff < -9999 ||
                                    r.upperDiff > 9999 || r.lowerTemp < -9999 || r.lowerTemp > 2499 ||
                                    r.lowerDiff < -9999 || r.lowerDiff > 9999;
    if (calibrationOutside) {
        r.calibrated = 0;
        r.upperTemp = 5000;
        r.upperDiff = 0;
        r.lowerTemp = 2499;
        r.lowerDiff = 0;
    }
    if (r.readingKwh > 9999 || r.readingMwh > 19999) {
        r.readingKwh = 0;
        r.readingMwh = 0;
    }
}

void CParaCheck::CheckStartfunc(int file, StartfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 16);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    if (r.windowStart > 143)
        r.windowStart = 42;
    if (r.windowEnd > 143)
        r.windowEnd = 48;
    if (r.runTime > 240)
        r.runTime = 5;
    if (r.interval > 120)
        r.interval = 10;
    CheckQuelle(&r.radiation.kind, 0, 0);
    // In 10 W/m2 with a radiation sensor, a plain number without one.
    if (r.activation > (r.radiation.kind != 0 ? 90 : 99))
        r.activation = 20;
    Range(r.solarCount, 1, 10, 2);
    for (BYTE& value : r.solarControls)
        CheckSolarReference(file, value);
}

void CParaCheck::CheckKuehlfunc(KuehlfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 18);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    if (r.windowStart > 143)
        r.windowStart = 42;
    if (r.windowEnd > 143)
        r.windowEnd = 48;
    CheckConstantSource(*this, r.referenceMax, 99, 60);
    OffBelowOn(r.diffOn, r.diffOff);
    if (r.magnitude > 100)
        r.magnitude = 30;
}
