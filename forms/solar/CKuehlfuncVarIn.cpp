// The cooling function's input-variable form: the release, the reference temperature and its maximum.
#include "forms/solar/CKuehlfuncVarIn.h"

#include "forms/solar/CKuehlfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/KuehlfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CKuehlfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = KuehlfuncParam;

const std::vector<InputRow> kInputs = {
    {ui::kKuehlReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kKuehlReferenceInput, 0, 1434, 1433, InputKind::Analog, offsetof(R, referenceTemp.kind), 0,
     offsetof(R, referenceTemp.number), 0, 1510, 1197, 1202},
    {ui::kKuehlReferenceMaxInput, 0, 1436, 1435, InputKind::Analog, offsetof(R, referenceMax.kind), 0,
     offsetof(R, referenceMax.number), 0, 1211, 1221, 1223},
};

}  // namespace

CKuehlfuncVarIn::CKuehlfuncVarIn() : FunctionVarInForm(CKuehlfunc::kKind, kInputs, &CKuehlfunc::Instance) {}
