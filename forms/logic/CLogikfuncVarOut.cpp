// The logic function's output-variable form: the outputs of the result and of the inverted result.
#include "forms/logic/CLogikfuncVarOut.h"

#include "forms/logic/CLogikfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CLogikfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = LogikfuncParam;

const std::vector<OutputGroup> kOutputs = {
    {IDC_LOGIK_RESULT_GROUP, ui::kLogikResult, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, result))},
    {IDC_LOGIK_INVERTED_GROUP, ui::kLogikResultInverted, SixteenOutputs(kSecondOutputBoxes, offsetof(R, inverted))},
};

}  // namespace

CLogikfuncVarOut::CLogikfuncVarOut() : FunctionVarOutForm(CLogikfunc::kKind, kOutputs, &CLogikfunc::Instance)
{}
