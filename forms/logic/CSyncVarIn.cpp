// The synchronisation's input-variable form: the release.
#include "forms/logic/CSyncVarIn.h"

#include "forms/logic/CSync.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/SyncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSyncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = SyncParam;

const std::vector<InputRow> kInputs = {
    {ui::kSyncReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
};

}  // namespace

CSyncVarIn::CSyncVarIn() : FunctionVarInForm(CSync::kKind, kInputs, &CSync::Instance)
{}
