// The heating request's parameter form: the demand setpoint and its differences, the switch-off side that counts
// only while a switch-off temperature is connected, the minimum demand temperature, the minimum burner run time and
// the eco undercover. A save also relabels the participant pins of every boiler cascade that lists the request.
#include "forms/heating/CAnfHeizung.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CAnfHeizungVarIn.h"
#include "forms/heating/CAnfHeizungVarOut.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/AnfHeizungParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(AnfHeizung)

namespace {

using namespace forms;
using R = AnfHeizungParam;
using Rows = FieldTable<record::kAnfHeizungFields>;

const std::vector<LayoutGroup> kLayout = {
    {IDC_ANFH_DEMAND_GROUP,
     ui::kAnfhDemandGroup,
     {ComboRow(IDC_ANFH_SETPOINT_LABEL, ui::kAnfhSetpoint, IDC_ANFH_SETPOINT, ui::kUnitDegrees),
      ComboRow(IDC_ANFH_ON_LABEL, ui::kDiffOn, IDC_ANFH_ON, ui::kUnitKelvin),
      ComboRow(IDC_ANFH_OFF_LABEL, ui::kDiffOff, IDC_ANFH_OFF, ui::kUnitKelvin)}},
    {IDC_ANFH_OFFTEMP_GROUP,
     ui::kAnfhOffTempGroup,
     {ComboRow(IDC_ANFH_OFF_SETPOINT_LABEL, ui::kAnfhOffSetpoint, IDC_ANFH_OFF_SETPOINT, ui::kUnitDegrees),
      ComboRow(IDC_ANFH_OFFTEMP_OFF_LABEL, ui::kDiffOff, IDC_ANFH_OFFTEMP_OFF, ui::kUnitKelvin)}},
    {IDC_ANFH_BASE_GROUP,
     ui::kAnfhBaseGroup,
     {ComboRow(IDC_ANFH_MIN_LABEL, ui::kAnfhMin, IDC_ANFH_MIN, ui::kUnitDegrees)}},
    {IDC_ANFH_RUN_GROUP,
     ui::kAnfhRunGroup,
     {{IDC_ANFH_RUN_LABEL, ui::kAnfhRun, IDC_ANFH_RUN, ControlKind::Combo, nullptr, {}, IDC_TIME_UNIT}}},
    {IDC_ANFH_ECO_GROUP,
     ui::kAnfhEcoGroup,
     {ComboRow(IDC_ANFH_ECO_LABEL, ui::kAnfhEco, IDC_ANFH_ECO, ui::kUnitPercent)}},
};

// The switch-off side: its differences belong to the switch-off temperature once one is connected.
const EnableRule kNoOffTemp{false, RECORD_FIELD(R, offTemp.kind), 0};
const EnableRule kOffTemp{false, RECORD_FIELD(R, offTemp.kind), 0, true};
const EnableRule kFixedOffSetpoint{false, RECORD_FIELD(R, offSetpoint.kind), 0, false, &kOffTemp};

const std::vector<ValueControl> kValues = {
    RangeControl(IDC_ANFH_SETPOINT, Rows::Row(offsetof(R, demandSetpoint.number)),
                 {false, RECORD_FIELD(R, demandSetpoint.kind), 0}),
    DifferenceControl(IDC_ANFH_ON, Edits(Rows::Row(offsetof(R, diffOn))), true),
    DifferenceControl(IDC_ANFH_OFF, Edits(Rows::Row(offsetof(R, diffOff))), true, kNoOffTemp),
    DifferenceControl(IDC_ANFH_OFFTEMP_OFF, Edits(Rows::Row(offsetof(R, diffOff))), true, kOffTemp),
    RangeControl(IDC_ANFH_OFF_SETPOINT, Rows::Row(offsetof(R, offSetpoint.number)), kFixedOffSetpoint),
    RangeControl(IDC_ANFH_MIN, Rows::Row(offsetof(R, minDemandTemp))),
    RangeControl(IDC_ANFH_ECO, Rows::Row(offsetof(R, eco))),
    {IDC_ANFH_RUN,
     Edits(Rows::Row(offsetof(R, minBurnerRun))),
     0,
     {resources::TimeByteList(191).items},
     {},
     false,
     0,
     &TimeByteUnit},
};

}  // namespace

const forms::FunctionKind CAnfHeizung::kKind{texts::kTypeAnfHeizung, ui::kTitleAnfHeizung, false};

CAnfHeizung::CAnfHeizung() : FunctionParamForm({kKind, kLayout, kValues})
{}
