// The comparison's input-variable form: the release and the values a and b.
#include "forms/logic/CVergleichVarIn.h"

#include "forms/logic/CVergleich.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/VergleichParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CVergleichVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = VergleichParam;

const std::vector<InputRow> kInputs = {
    {ui::kVergleichReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kVergleichValueAInput, 0, 1301, 1299, InputKind::Analog, offsetof(R, valueA.kind), 0,
     offsetof(R, valueA.number), 0, 1155, 1161, 1172},
    {ui::kVergleichValueBInput, 0, 1302, 1300, InputKind::Analog, offsetof(R, valueB.kind), 0,
     offsetof(R, valueB.number), 0, 1159, 1167, 1178},
};

}  // namespace

CVergleichVarIn::CVergleichVarIn() : FunctionVarInForm(CVergleich::kKind, kInputs, &CVergleich::Instance)
{}
