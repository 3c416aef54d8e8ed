// The time switch's input-variable form: the release and the blocking input.
#include "forms/logic/CSchaltuhrVarIn.h"

#include "forms/logic/CSchaltuhr.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/SchaltuhrParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSchaltuhrVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = SchaltuhrParam;

// The blocking input has no fixed state: open, it shows no mode.
const std::vector<InputRow> kInputs = {
    {ui::kSchaltuhrReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kSchaltuhrBlockingInput, 0, 1668, 1667, InputKind::Digital, offsetof(R, blocking.kind),
     offsetof(R, blocking.inverted), offsetof(R, blocking.number), 1, 1091, 1095, 1099, 1103, 1107, ModeRule::Optional,
     true},
};

}  // namespace

CSchaltuhrVarIn::CSchaltuhrVarIn() : FunctionVarInForm(CSchaltuhr::kKind, kInputs, &CSchaltuhr::Instance)
{}
