// The hot-water request's parameter form: the fixed setpoint while no source gives it, the minimum temperature, the
// switch-on and switch-off differences, the burner power and the time programs. A save also relabels the
// participant pins of every boiler cascade that lists the request.
#include "forms/heating/CAnfWarmwasser.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CAnfWarmwasserVarIn.h"
#include "forms/heating/CAnfWarmwasserVarOut.h"
#include "forms/heating/HeatingTimePrograms.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/AnfWarmwasserParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(AnfWarmwasser)

namespace {

using namespace forms;
using R = AnfWarmwasserParam;
using Rows = FieldTable<record::kAnfWarmwasserFields>;

const std::vector<LayoutGroup> kLayout = {
    {IDC_ANFW_GROUP,
     ui::kAnfwGroup,
     {ComboRow(IDC_ANFW_SETPOINT_LABEL, ui::kAnfwSetpoint, IDC_ANFW_SETPOINT, ui::kUnitDegrees),
      ButtonRow(IDC_ZEITPROGRAMM, ui::kTimeProgramButton),
      ComboRow(IDC_ANFW_MIN_LABEL, ui::kAnfwMin, IDC_ANFW_MIN, ui::kUnitDegrees),
      ComboRow(IDC_ANFW_ON_LABEL, ui::kDiffOn, IDC_ANFW_ON, ui::kUnitKelvin),
      ComboRow(IDC_ANFW_OFF_LABEL, ui::kDiffOff, IDC_ANFW_OFF, ui::kUnitKelvin),
      ComboRow(IDC_ANFW_POWER_LABEL, ui::kAnfwPower, IDC_ANFW_POWER, ui::kUnitPercent)}},
};

const std::vector<ValueControl> kValues = {
    RangeControl(IDC_ANFW_SETPOINT, Rows::Row(offsetof(R, setpoint.number)),
                 {false, RECORD_FIELD(R, setpoint.kind), 0}),
    RangeControl(IDC_ANFW_MIN, Rows::Row(offsetof(R, minTemp))),
    DifferenceControl(IDC_ANFW_ON, Edits(Rows::Row(offsetof(R, diffOn))), true),
    DifferenceControl(IDC_ANFW_OFF, Edits(Rows::Row(offsetof(R, diffOff))), true),
    // 20 to 100 %; a stored 101 to 127, which the repair keeps, shows no selection.
    {IDC_ANFW_POWER, Edits(Rows::Row(offsetof(R, burnerPower))), 20, {resources::NumberList(20, 100).items}},
};

const TimeProgramButton kTimePrograms = HeatingTimePrograms<R>();

}  // namespace

const forms::FunctionKind CAnfWarmwasser::kKind{texts::kTypeAnfWarmwasser, ui::kTitleAnfWarmwasser, false};

CAnfWarmwasser::CAnfWarmwasser() : FunctionParamForm({kKind, kLayout, kValues, &kTimePrograms})
{}
