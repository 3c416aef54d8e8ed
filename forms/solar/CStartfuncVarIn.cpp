// The start function's input-variable form: the release, the solar radiation and the reference temperature, and the
// solar controls it serves.
#include "forms/solar/CStartfuncVarIn.h"

#include "forms/solar/CStartfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/StartfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CStartfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = StartfuncParam;

const std::vector<InputRow> kInputs = {
    {ui::kStartReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kRadiationInput, 0, 1709, 1708, InputKind::Analog, offsetof(R, radiation.kind), 0,
     offsetof(R, radiation.number), 1, 1174, 1509, 1181},
    {ui::kStartRelativeInput, 0, 1716, 1715, InputKind::Analog, offsetof(R, relativeTemp.kind), 0,
     offsetof(R, relativeTemp.number), 1, 1527, 1458, 1461},
};

// One to ten solar controls.
const ParticipantLists kParticipants {
    1422, ui::kStartCount, 1205, 1, 1423, ui::kParticipatingFunctions,
    {1209, 1212, 1216, 1220, 1224, 1228, 1237, 1243, 1249, 1260},
};

}  // namespace

CStartfuncVarIn::CStartfuncVarIn()
    : FunctionVarInForm(CStartfunc::kKind, kInputs, &CStartfunc::Instance, &kParticipants)
{
}
