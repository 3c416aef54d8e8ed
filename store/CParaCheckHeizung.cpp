// CParaCheck: the records of the heating-circuit controller, the heating and hot-water requests, the charge pump
// and the circulation.
#include "store/CParaCheck.h"

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/CParaCheckRules.h"
#include "store/HzkrRegParam.h"
#include "store/LadepumpeParam.h"
#include "store/ZirkulationParam.h"

using paracheck::OffAboveOn;
using paracheck::OffBelowOn;
using record::Range;
using record::RepairField;
using record::RepairRanges;

void CParaCheck::CheckHzkrReg(HzkrRegParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 1);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kHzkrRegFields);
    if (r.byOutsideTemp == 0)
        r.curveBySlope = 0;
    // The curve's range depends on how it is given.
    if (r.curveBySlope == 0) {
        Range(r.curve, 20, 99, 60);
        RepairField(r, record::kHzkrRegFields, &r.flowAtPlus10);
        if (r.flowAtPlus10 > r.curve)
            r.flowAtPlus10 = r.curve;
    } else {
        Range(r.curve, 5, 250, 120);
    }
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
    if (r.demandSetpoint.kind == 0)
        RepairField(r, record::kAnfHeizungFields, &r.demandSetpoint.number);
    if (r.diffOn == 127)
        r.diffOn = 126;
    CheckQuelle(&r.offTemp.kind, 0, 0);
    CheckQuelle(&r.offSetpoint.kind, 0, 0);
    // The switch-off setpoint counts only with a switch-off temperature.
    if (r.offTemp.kind != 0 && r.offSetpoint.kind == 0)
        RepairField(r, record::kAnfHeizungFields, &r.offSetpoint.number);
    if (r.offTemp.kind == 0)
        OffAboveOn(r.diffOn, r.diffOff);
    else if (r.diffOff == 127)
        r.diffOff = 126;
    RepairRanges(r, record::kAnfHeizungFields);
}

void CParaCheck::CheckAnfWarmwasser(AnfWarmwasserParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 3);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0)
        RepairField(r, record::kAnfWarmwasserFields, &r.setpoint.number);
    // The external switch's fixed state is not repaired.
    CheckQuelle(&r.externalSwitch.kind, 0, 0);
    RepairRanges(r, record::kAnfWarmwasserFields);
    OffAboveOn(r.diffOn, r.diffOff);
    CheckZeitprogramm(0, &r.programsInUse, &r.windowsPerProgram, r.programs);
}

void CParaCheck::CheckLadepumpe(LadepumpeParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, 4);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.sourceMin.kind, 0, 0);
    if (r.sourceMin.kind == 0)
        RepairField(r, record::kLadepumpeFields, &r.sourceMin.number);
    CheckQuelle(&r.referenceMax.kind, 0, 0);
    if (r.referenceMax.kind == 0)
        RepairField(r, record::kLadepumpeFields, &r.referenceMax.number);
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
    RepairRanges(r, record::kZirkulationFields);
    // The pulse modes need the hot-water temperature; its kind is taken as it stands.
    if (r.hotWaterTemp.kind == 0)
        r.mode = kZirkulationZeit;
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0)
        RepairField(r, record::kZirkulationFields, &r.setpoint.number);
    OffAboveOn(r.diffOn, r.diffOff);
    CheckZeitprogramm(0, &r.programsInUse, &r.windowsPerProgram, r.programs);
}
