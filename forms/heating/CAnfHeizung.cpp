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
const EnableRule kNoOffTemp{false, FORM_FIELD(R, offTemp.kind), 0};
const EnableRule kOffTemp{false, FORM_FIELD(R, offTemp.kind), 0, true};
const EnableRule kFixedOffSetpoint{false, FORM_FIELD(R, offSetpoint.kind), 0, false, &kOffTemp};

const std::vector<ValueControl> kValues = {
    {IDC_ANFH_SETPOINT,
     FORM_FIELD(R, demandSetpoint.number),
     0,
     {resources::TemperatureList().items},
     {false, FORM_FIELD(R, demandSetpoint.kind), 0}},
    DifferenceControl(IDC_ANFH_ON, FORM_FIELD(R, diffOn), true),
    DifferenceControl(IDC_ANFH_OFF, FORM_FIELD(R, diffOff), true, kNoOffTemp),
    DifferenceControl(IDC_ANFH_OFFTEMP_OFF, FORM_FIELD(R, diffOff), true, kOffTemp),
    {IDC_ANFH_OFF_SETPOINT,
     FORM_FIELD(R, offSetpoint.number),
     0,
     {resources::TemperatureList().items},
     kFixedOffSetpoint},
    {IDC_ANFH_MIN, FORM_FIELD(R, minDemandTemp), 0, {resources::TemperatureList().items}},
    {IDC_ANFH_ECO, FORM_FIELD(R, eco), 0, {resources::NumberList(0, 50).items}},
    {IDC_ANFH_RUN, FORM_FIELD(R, minBurnerRun), 0, {resources::TimeByteList(191).items}, {}, false, 0, &TimeByteUnit},
};

}  // namespace

const forms::FunctionKind CAnfHeizung::kKind{texts::kTypeAnfHeizung, ui::kTitleAnfHeizung, false};

CAnfHeizung::CAnfHeizung() : FunctionParamForm({kKind, kLayout, kValues})
{}
