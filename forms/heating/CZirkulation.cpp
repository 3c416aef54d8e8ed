// The circulation's parameter form: the mode (time, pulses or both), the return side with its setpoint and
// differences, the pulse mode's threshold, run time and pause, the mixing protection and the time programs. The
// pulse modes need the hot-water temperature, the mixing protection the storage temperature; a setpoint carried by
// the time programs takes the place of the fixed one in time mode.
#include "forms/heating/CZirkulation.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CZirkulationVarIn.h"
#include "forms/heating/CZirkulationVarOut.h"
#include "forms/heating/HeatingTimePrograms.h"
#include "platform/CLocale.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/ZirkulationParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Zirkulation)

namespace {

using namespace forms;
using R = ZirkulationParam;
using Rows = FieldTable<record::kZirkulationFields>;

constexpr UINT kPauseUnit = 1755;  // the unit static of the pause

const std::vector<LayoutGroup> kLayout = {
    {0,
     nullptr,
     {{IDC_ZIRK_MODE_LABEL,
       ui::kZirkModeLabel,
       IDC_ZIRK_TIME,
       ControlKind::Radios,
       nullptr,
       {{IDC_ZIRK_TIME, ui::kZirkModeTime},
        {IDC_ZIRK_PULSE, ui::kZirkModePulse},
        {IDC_ZIRK_BOTH, ui::kZirkModeBoth}}}}},
    {IDC_ZIRK_RETURN_GROUP,
     ui::kZirkReturnGroup,
     {ComboRow(IDC_ZIRK_SETPOINT_LABEL, ui::kZirkSetpoint, IDC_ZIRK_SETPOINT, ui::kUnitDegrees),
      ButtonRow(IDC_ZEITPROGRAMM, ui::kTimeProgramButton, IDC_ZIRK_PROGRAM_LABEL, ""),
      ComboRow(IDC_ZIRK_ON_LABEL, ui::kDiffOn, IDC_ZIRK_ON, ui::kUnitKelvin),
      ComboRow(IDC_ZIRK_OFF_LABEL, ui::kDiffOff, IDC_ZIRK_OFF, ui::kUnitKelvin)}},
    {IDC_ZIRK_PULSE_GROUP,
     ui::kZirkPulseGroup,
     {ComboRow(IDC_ZIRK_RISE_LABEL, ui::kZirkRise, IDC_ZIRK_RISE, ui::kUnitKelvin),
      {IDC_ZIRK_RUN_LABEL, ui::kZirkRun, IDC_ZIRK_RUN, ControlKind::Combo, nullptr, {}, IDC_TIME_UNIT},
      {IDC_ZIRK_PAUSE_LABEL, ui::kZirkPause, IDC_ZIRK_PAUSE, ControlKind::Combo, ui::kUnitMinutes, {}, kPauseUnit}}},
    {IDC_ZIRK_MIXING_GROUP,
     ui::kZirkMixingGroup,
     {ComboRow(IDC_ZIRK_STORE_MIN_LABEL, ui::kZirkStoreMin, IDC_ZIRK_STORE_MIN, ui::kUnitDegrees),
      ComboRow(IDC_ZIRK_MIXING_DIFF_LABEL, ui::kZirkMixingDiff, IDC_ZIRK_MIXING_DIFF, ui::kUnitKelvin)}},
};

// The pulse start threshold in tenths of a kelvin: " 0.0" .. " 9.9", "  10".
std::vector<CString> TenthsOfKelvin()
{
    std::vector<CString> items;
    for (int v = 0; v < 100; ++v)
        items.push_back(CString(platform::FormatC(" %d.%d", v / 10, v % 10).c_str()));
    items.push_back("  10");
    return items;
}

const EnableRule kPulseMode{false, Edits(Rows::Row(offsetof(R, mode))), 0, true};
const EnableRule kStoreConnected{false, RECORD_FIELD(R, storeTemp.kind), 0, true};

const std::vector<ValueControl> kValues = {
    // Time, pulses or both; the repair keeps the pulse modes only with a hot-water temperature.
    {IDC_ZIRK_TIME, Edits(Rows::Row(offsetof(R, mode))), 0, {}, {}, true, 0},
    RangeControl(IDC_ZIRK_SETPOINT, Rows::Row(offsetof(R, setpoint.number)),
                 {false, RECORD_FIELD(R, setpoint.kind), 0}),
    DifferenceControl(IDC_ZIRK_ON, Edits(Rows::Row(offsetof(R, diffOn))), true),
    DifferenceControl(IDC_ZIRK_OFF, Edits(Rows::Row(offsetof(R, diffOff))), true),
    {IDC_ZIRK_RISE, Edits(Rows::Row(offsetof(R, tapRise))), 0, {TenthsOfKelvin()}, kPulseMode},
    {IDC_ZIRK_RUN,
     Edits(Rows::Row(offsetof(R, runTime))),
     0,
     {resources::TimeByteList(127).items},
     kPulseMode,
     false,
     0,
     &TimeByteUnit},
    RangeControl(IDC_ZIRK_PAUSE, Rows::Row(offsetof(R, pause)), kPulseMode),
    RangeControl(IDC_ZIRK_STORE_MIN, Rows::Row(offsetof(R, mixingStoreMin)), kStoreConnected),
    // -127 to 125: the difference list of the field's range, without its first and last two codes.
    RangeControl(IDC_ZIRK_MIXING_DIFF, Rows::Row(offsetof(R, mixingDiff)), kStoreConnected),
};

const TimeProgramButton kTimePrograms = HeatingTimePrograms<R>();

}  // namespace

const forms::FunctionKind CZirkulation::kKind{texts::kTypeZirkulation, ui::kTitleZirkulation, false};

CZirkulation::CZirkulation() : FunctionParamForm({kKind, kLayout, kValues, &kTimePrograms})
{}

void CZirkulation::ShowSpecial()
{
    const auto& r = *reinterpret_cast<const R*>(Record());
    // The pulse modes need the hot-water temperature.
    for (UINT id : {IDC_ZIRK_PULSE, IDC_ZIRK_BOTH})
        if (CWnd* button = GetDlgItem(static_cast<int>(id)))
            button->EnableWindow(r.hotWaterTemp.kind != 0);
    // In time mode the time programs may carry the setpoint.
    const bool byProgram = r.windowSetpoints == 1 && r.mode == 0;
    SetCaption(IDC_ZIRK_PROGRAM_LABEL, byProgram ? ui::kZirkByProgram : "");
    if (byProgram)
        DisableValue(IDC_ZIRK_SETPOINT);
    // Pulses alone use no time program.
    if (CWnd* button = GetDlgItem(IDC_ZEITPROGRAMM))
        button->EnableWindow(r.mode != 1);
}
