// CParaCheck: the records of the heating-circuit controller, the heating and hot-water requests, the charge pump
// and the circulation.
#include "store/CParaCheck.h"

namespace {

// Difference bytes compare as signed bytes: the scale rises with the signed value.
int Signed(BYTE value)
{
    return static_cast<signed char>(value);
}

void Range(BYTE& value, BYTE lo, BYTE hi, BYTE replacement)
{
    if (value < lo || value > hi)
        value = replacement;
}

// A switch-off difference below the switch-on difference; -90 K (128) leaves no room below and becomes -85 K.
void OffBelowOn(BYTE& on, BYTE& off)
{
    if (on == 128)
        on = 129;
    if (Signed(on) <= Signed(off))
        off = static_cast<BYTE>(on - 1);
}

// A switch-off difference above the switch-on difference; 85 K (127) leaves no room above and becomes 80 K.
void OffAboveOn(BYTE& on, BYTE& off)
{
    if (on == 127)
        on = 126;
    if (Signed(off) <= Signed(on))
        off = static_cast<BYTE>(on + 1);
}

// A signed temperature whose values 100..235 lie outside its range (236..255 are -20..-1 deg C).
void SignedRange(BYTE& value, BYTE firstOutside, BYTE replacement)
{
    if (value >= firstOutside && value <= 235)
        value = replacement;
}

}  // namespace

void CParaCheck::CheckHzkrReg(HzkrRegParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 1);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    if (r.mode > 3)
        r.mode = kHzkrAuto;
    if (r.roomNormal > 45)
        r.roomNormal = 20;
    if (r.roomReduced > 45)
        r.roomReduced = 17;
    if (r.advanceTime > 240)
        r.advanceTime = 0;
    if (r.byOutsideTemp > 1)
        r.byOutsideTemp = 1;
    if (r.byOutsideTemp == 0)
        r.curveBySlope = 0;
    if (r.roomInfluence > 90)
        r.roomInfluence = 0;
    if (r.switchOnRaise > 20)
        r.switchOnRaise = 0;
    if (r.curveBySlope == 0) {
        Range(r.curve, 20, 99, 60);
        Range(r.flowAtPlus10, 20, 99, 25);
        if (r.flowAtPlus10 > r.curve)
            r.flowAtPlus10 = r.curve;
    } else {
        Range(r.curve, 5, 250, 120);
    }
    if (r.flowMax > 99)
        r.flowMax = 70;
    if (r.flowMin > 99)
        r.flowMin = 20;
    if (r.averagingControl > 251)
        r.averagingControl = 0;
    if (r.averagingOff > 251)
        r.averagingOff = 0;
    Range(r.offRoomHyst, 1, 115, 80);
    Range(r.offFlowHyst, 5, 115, 80);
    Range(r.offOutsideHyst, 5, 115, 80);
    SignedRange(r.offOutsideMax, 100, 5);
    Range(r.offReducedHyst, 5, 115, 80);
    SignedRange(r.offReducedOutsideMin, 100, 5);
    if (r.mixerWhileOff > 3)
        r.mixerWhileOff = kHzkrMischerZu;
    if (r.frostRoom > 30)
        r.frostRoom = 5;
    SignedRange(r.frostOutside, 21, 5);
    CheckDigitalQuelle(&r.pumpRelease.kind, keepLowBit);
    CheckDigitalQuelle(&r.mixerRelease.kind, keepLowBit);
    CheckQuelle(&r.roomTemp.kind, 0, 0);
    CheckQuelle(&r.flowTemp.kind, 0, 0);
    CheckQuelle(&r.outsideTemp.kind, 0, 0);
    // The external switch's fixed state is not repaired.
    CheckQuelle(&r.externalSwitch.kind, 0, 0);
    CheckZeitprogramm(0, &r.programsInUse, &r.windowsPerProgram, r.programs);
}

void CParaCheck::CheckAnfHeizung(AnfHeizungParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 2);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.demandSetpoint.kind, 0, 0);
    if (r.demandSetpoint.kind == 0 && r.demandSetpoint.number > 99)
        r.demandSetpoint.number = 60;
    if (r.diffOn == 127)
        r.diffOn = 126;
    CheckQuelle(&r.offTemp.kind, 0, 0);
    CheckQuelle(&r.offSetpoint.kind, 0, 0);
    // The switch-off setpoint counts only with a switch-off temperature.
    if (r.offTemp.kind != 0 && r.offSetpoint.kind == 0 && r.offSetpoint.number > 99)
        r.offSetpoint.number = 60;
    if (r.offTemp.kind == 0)
        OffAboveOn(r.diffOn, r.diffOff);
    else if (r.diffOff == 127)
        r.diffOff = 126;
    if (r.minDemandTemp > 99)
        r.minDemandTemp = 50;
    if (r.eco > 50)
        r.eco = 0;
    if (r.minBurnerRun > 191)
        r.minBurnerRun = 0;
}

void CParaCheck::CheckAnfWarmwasser(AnfWarmwasserParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 3);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0 && r.setpoint.number > 99)
        r.setpoint.number = 60;
    // The external switch's fixed state is not repaired.
    CheckQuelle(&r.externalSwitch.kind, 0, 0);
    if (r.minTemp > 99)
        r.minTemp = 40;
    OffAboveOn(r.diffOn, r.diffOff);
    Range(r.burnerPower, 20, 127, 80);
    CheckZeitprogramm(0, &r.programsInUse, &r.windowsPerProgram, r.programs);
}

void CParaCheck::CheckLadepumpe(LadepumpeParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 4);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.sourceMin.kind, 0, 0);
    if (r.sourceMin.kind == 0 && r.sourceMin.number > 99)
        r.sourceMin.number = 60;
    CheckQuelle(&r.referenceMax.kind, 0, 0);
    if (r.referenceMax.kind == 0 && r.referenceMax.number > 99)
        r.referenceMax.number = 60;
    // Source above its minimum and source above the reference switch off below their switch-on difference; the
    // reference below its maximum switches off above it.
    OffBelowOn(r.minDiffOn, r.minDiffOff);
    OffAboveOn(r.maxDiffOn, r.maxDiffOff);
    OffBelowOn(r.sourceDiffOn, r.sourceDiffOff);
}

void CParaCheck::CheckZirkulation(ZirkulationParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 5);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    if (r.mode > 2)
        r.mode = kZirkulationZeit;
    // The pulse modes need the hot-water temperature; its kind is taken as it stands.
    if (r.hotWaterTemp.kind == 0)
        r.mode = kZirkulationZeit;
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0 && r.setpoint.number > 99)
        r.setpoint.number = 60;
    OffAboveOn(r.diffOn, r.diffOff);
    if (r.tapRise > 100)
        r.tapRise = 80;
    if (r.runTime > 127)
        r.runTime = 0;
    if (r.pause > 120)
        r.pause = 20;
    if (r.mixingStoreMin > 99)
        r.mixingStoreMin = 60;
    if (r.mixingDiff >= 126 && r.mixingDiff <= 128)
        r.mixingDiff = 60;
    CheckZeitprogramm(0, &r.programsInUse, &r.windowsPerProgram, r.programs);
}
