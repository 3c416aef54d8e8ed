// The heating request's input-variable form: the release, the demand and switch-off temperatures and their
// setpoints; the switch-off setpoint counts as not used while no switch-off temperature is connected.
#include "forms/heating/CAnfHeizungVarIn.h"

#include "forms/heating/CAnfHeizung.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/AnfHeizungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnfHeizungVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = AnfHeizungParam;

InputRow OffSetpoint()
{
    InputRow row = AnalogInput(ui::kAnfhOffSetpointInput, 1280, 1275, offsetof(R, offSetpoint.kind), 1474, 1465, 1464);
    row.notUsedWhenZero = offsetof(R, offTemp.kind);
    return row;
}

InputRow OffTemp()
{
    InputRow row = AnalogInput(ui::kAnfhOffTempInput, 1278, 1273, offsetof(R, offTemp.kind), 1460, 1462, 1463);
    row.notUsed = 1;
    return row;
}

const std::vector<InputRow> kInputs = {
    {ui::kAnfhReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    AnalogInput(ui::kAnfhDemandInput, 1277, 1272, offsetof(R, demandTemp.kind), 1533, 1521, 1515),
    OffTemp(),
    AnalogInput(ui::kAnfhSetpointInput, 1279, 1274, offsetof(R, demandSetpoint.kind), 1466, 1468, 1467),
    OffSetpoint(),
};

}  // namespace

CAnfHeizungVarIn::CAnfHeizungVarIn() : FunctionVarInForm(CAnfHeizung::kKind, kInputs, &CAnfHeizung::Instance)
{}
