// The PID control's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/solar/CPID_Regelung.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CPID_RegelungVarIn.h"
#include "forms/solar/CPID_RegelungVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/PID_RegelungParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(PID_Regelung)

namespace {

using namespace forms;
using R = PID_RegelungParam;
using Rows = FieldTable<record::kPidRegelungFields>;

// Control ids of the form, by regulation.
enum : UINT {
    kAbsGroup = 1552, kAbsModeLabel = 1550, kAbsMode = 1470, kAbsSetLabel = 1551, kAbsSet = 1471,
    kDiffGroup = 1438, kDiffModeLabel = 1553, kDiffMode = 1472, kDiffSetLabel = 1554, kDiffSet = 1046,
    kEventGroup = 1556, kEventModeLabel = 1555, kEventMode = 1473, kCondLabel = 1557, kAbove = 1483, kBelow = 1392,
    kThresholdLabel = 1558, kThreshold = 1477, kEventSetLabel = 1559, kEventSet = 1026,
    kMagnitudeGroup = 1562, kMaxLabel = 1560, kMax = 1475, kMinLabel = 1561, kMin = 1476,
    kParamGroup = 1566, kPLabel = 1563, kP = 1051, kILabel = 1564, kI = 1064, kDLabel = 1565, kD = 1058,
};

const std::vector<LayoutGroup> kLayout = {
    {kAbsGroup, ui::kPidAbsoluteGroup,
     {{kAbsModeLabel, ui::kPidMode, kAbsMode, ControlKind::Combo},
      {kAbsSetLabel, ui::kPidAbsoluteSetpoint, kAbsSet, ControlKind::Combo, ui::kUnitDegrees}}},
    {kDiffGroup, ui::kPidDifferenceGroup,
     {{kDiffModeLabel, ui::kPidMode, kDiffMode, ControlKind::Combo},
      {kDiffSetLabel, ui::kPidDifferenceSetpoint, kDiffSet, ControlKind::Combo, ui::kUnitKelvin}}},
    {kEventGroup, ui::kPidEventGroup,
     {{kEventModeLabel, ui::kPidMode, kEventMode, ControlKind::Combo},
      {kCondLabel, ui::kPidCondition, kAbove, ControlKind::Radios, nullptr,
       {{kAbove, ui::kPidAbove}, {kBelow, ui::kPidBelow}}},
      {kThresholdLabel, ui::kPidThreshold, kThreshold, ControlKind::Combo, ui::kUnitDegrees},
      {kEventSetLabel, ui::kPidEventSetpoint, kEventSet, ControlKind::Combo, ui::kUnitDegrees}}},
    {kMagnitudeGroup, ui::kPidMagnitudeGroup,
     {{kMaxLabel, ui::kPidMaximum, kMax, ControlKind::Combo}, {kMinLabel, ui::kPidMinimum, kMin, ControlKind::Combo}}},
    {kParamGroup, ui::kPidParameterGroup,
     {{kPLabel, ui::kPidP, kP, ControlKind::Combo}, {kILabel, ui::kPidI, kI, ControlKind::Combo},
      {kDLabel, ui::kPidD, kD, ControlKind::Combo}}},
};

// A fixed setpoint or threshold counts only while no source gives it.
ValueControl FixedValue(UINT id, const record::FieldInfo* number, const record::FieldRef& kind)
{
    return RangeControl(id, number, {false, kind, 0});
}

// The three modes share one word, two bits each; a pick keeps the other bits.
const std::vector<ValueControl> kValues = {
    {kAbsMode, RECORD_BITS_AT(R, modes, 2, kPidAbsolutShift), 0, {{}, ui::kPidModes}},
    {kDiffMode, RECORD_BITS_AT(R, modes, 2, kPidDifferenzShift), 0, {{}, ui::kPidModes}},
    {kEventMode, RECORD_BITS_AT(R, modes, 2, kPidEreignisShift), 0, {{}, ui::kPidModes}},
    FixedValue(kAbsSet, Rows::Row(offsetof(R, absSetpoint.number)), RECORD_FIELD(R, absSetpoint.kind)),
    RangeControl(kDiffSet, Rows::Row(offsetof(R, diffSetpoint))),
    // Any stored condition but 0 shows as "below".
    {kAbove, Edits(Rows::Row(offsetof(R, eventBelow))), 0, {}, {}, false, 1},
    FixedValue(kThreshold, Rows::Row(offsetof(R, eventThreshold.number)), RECORD_FIELD(R, eventThreshold.kind)),
    FixedValue(kEventSet, Rows::Row(offsetof(R, eventSetpoint.number)), RECORD_FIELD(R, eventSetpoint.kind)),
    RangeControl(kMax, Rows::Row(offsetof(R, outputMax))),
    RangeControl(kMin, Rows::Row(offsetof(R, outputMin))),
    RangeControl(kP, Rows::Row(offsetof(R, p))),
    RangeControl(kI, Rows::Row(offsetof(R, i))),
    RangeControl(kD, Rows::Row(offsetof(R, d))),
};

}  // namespace

const forms::FunctionKind CPID_Regelung::kKind {texts::kTypePID_Regelung, ui::kTitlePID_Regelung, false};

CPID_Regelung::CPID_Regelung() : FunctionParamForm({kKind, kLayout, kValues}) {}
