// The maintenance function's input-variable form: the external switch and the participating controllers.
#include "forms/logic/CWartungsfuncVarIn.h"

#include "forms/logic/CWartungsfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/WartungsfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CWartungsfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = WartungsfuncParam;

// The external switch has no fixed state: open, it shows no mode.
const std::vector<InputRow> kInputs = {
    {ui::kWartungSwitchInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, externalSwitch.kind), offsetof(R, externalSwitch.inverted), offsetof(R, externalSwitch.number), 1,
     IDC_RELEASE_KIND, IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE,
     ModeRule::Optional, true},
};

// One to five heating-circuit controllers.
const ParticipantLists kParticipants {
    1422, ui::kWartungCountLabel, 1205, 1, 1423, ui::kParticipatingFunctions, {1209, 1212, 1216, 1220, 1224},
};

}  // namespace

CWartungsfuncVarIn::CWartungsfuncVarIn()
    : FunctionVarInForm(CWartungsfunc::kKind, kInputs, &CWartungsfunc::Instance, &kParticipants)
{}
