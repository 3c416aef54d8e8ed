// The time switch's output-variable form: the outputs of the status of the time condition.
#include "forms/logic/CSchaltuhrVarOut.h"

#include "forms/logic/CSchaltuhr.h"
#include "resources/UiTexts.h"
#include "store/SchaltuhrParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSchaltuhrVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSyncOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(SchaltuhrParam, outputs))},
};

}  // namespace

CSchaltuhrVarOut::CSchaltuhrVarOut() : FunctionVarOutForm(CSchaltuhr::kKind, kOutputs, &CSchaltuhr::Instance)
{}
