// The function control's input-variable form: the control values a and b and the release of the difference control.
#include "forms/logic/CFuncKontrolleVarIn.h"

#include "forms/logic/CFuncKontrolle.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/FuncKontrolleParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CFuncKontrolleVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = FuncKontrolleParam;

const std::vector<InputRow> kInputs = {
    {ui::kFuncKontrolleValueAInput, 0, 1301, 1299, InputKind::Analog, offsetof(R, valueA.kind), 0,
     offsetof(R, valueA.number), 0, 1155, 1161, 1172},
    {ui::kFuncKontrolleValueBInput, 0, 1302, 1300, InputKind::Analog, offsetof(R, valueB.kind), 0,
     offsetof(R, valueB.number), 0, 1159, 1167, 1178},
    {ui::kFuncKontrolleReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, differenceRelease.kind), offsetof(R, differenceRelease.inverted),
     offsetof(R, differenceRelease.number), 0, IDC_RELEASE_KIND, IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE,
     IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
};

}  // namespace

CFuncKontrolleVarIn::CFuncKontrolleVarIn()
    : FunctionVarInForm(CFuncKontrolle::kKind, kInputs, &CFuncKontrolle::Instance)
{}
