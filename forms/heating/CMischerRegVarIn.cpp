// The mixer control's input-variable form: the release, the control temperature and the setpoint.
#include "forms/heating/CMischerRegVarIn.h"

#include "forms/heating/CMischerReg.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/MischerRegParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CMischerRegVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = MischerRegParam;

const std::vector<InputRow> kInputs = {
    {ui::kMischerReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kMischerControlTempInput, 0, IDC_MISCHER_CONTROL_HEADING, IDC_MISCHER_CONTROL_SOURCE_LABEL, InputKind::Analog,
     offsetof(R, controlTemp.kind), 0, offsetof(R, controlTemp.number), 0, IDC_MISCHER_CONTROL_KIND,
     IDC_MISCHER_CONTROL_NUMBER, IDC_MISCHER_CONTROL_VARIABLE},
    {ui::kMischerSetpointInput, 0, IDC_MISCHER_SETPOINT_HEADING, IDC_MISCHER_SETPOINT_SOURCE_LABEL, InputKind::Analog,
     offsetof(R, setpoint.kind), 0, offsetof(R, setpoint.number), 0, IDC_MISCHER_SETPOINT_KIND,
     IDC_MISCHER_SETPOINT_NUMBER, IDC_MISCHER_SETPOINT_VARIABLE},
};

}  // namespace

CMischerRegVarIn::CMischerRegVarIn() : FunctionVarInForm(CMischerReg::kKind, kInputs, &CMischerReg::Instance) {}
