// The hot-water request's input-variable form: the release, the hot-water temperature, the setpoint and the
// external switch, whose mode list shows only while it is connected.
#include "forms/heating/CAnfWarmwasserVarIn.h"

#include "forms/heating/CAnfWarmwasser.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/AnfWarmwasserParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnfWarmwasserVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = AnfWarmwasserParam;

const std::vector<InputRow> kInputs = {
    {ui::kAnfhReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    AnalogInput(ui::kAnfwHotWaterInput, 1289, 1286, offsetof(R, hotWaterTemp.kind), 1092, 1100, 1096),
    AnalogInput(ui::kAnfwSetpointInput, 1290, 1287, offsetof(R, setpoint.kind), 1104, 1112, 1108),
    {ui::kAnfwSwitchInput, 0, 1291, 1288, InputKind::Digital, offsetof(R, externalSwitch.kind),
     offsetof(R, externalSwitch.inverted), offsetof(R, externalSwitch.number), 1, 1149, 1154, 1152, 1529, 1532,
     ModeRule::Optional, true},
};

}  // namespace

CAnfWarmwasserVarIn::CAnfWarmwasserVarIn()
    : FunctionVarInForm(CAnfWarmwasser::kKind, kInputs, &CAnfWarmwasser::Instance)
{}
