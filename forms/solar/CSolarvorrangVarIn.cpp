// The solar priority's input-variable form: the release and the solar radiation, and the solar controls it ranks.
#include "forms/solar/CSolarvorrangVarIn.h"

#include "forms/solar/CSolarvorrang.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/SolarvorrangParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSolarvorrangVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = SolarvorrangParam;

const std::vector<InputRow> kInputs = {
    {ui::kPriorityReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kRadiationInput, 0, 1709, 1708, InputKind::Analog, offsetof(R, radiation.kind), 0,
     offsetof(R, radiation.number), 1, 1174, 1509, 1181},
};

// Two to ten solar controls.
const ParticipantLists kParticipants {
    1422, ui::kStartCount, 1205, 2, 1423, ui::kParticipatingFunctions,
    {1209, 1212, 1216, 1220, 1224, 1228, 1237, 1243, 1249, 1260},
};

}  // namespace

CSolarvorrangVarIn::CSolarvorrangVarIn()
    : FunctionVarInForm(CSolarvorrang::kKind, kInputs, &CSolarvorrang::Instance, &kParticipants)
{
}
