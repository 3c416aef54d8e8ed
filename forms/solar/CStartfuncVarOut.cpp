// The start function's output-variable form: the outputs 1 to 16 of the flushing.
#include "forms/solar/CStartfuncVarOut.h"

#include "forms/solar/CStartfunc.h"
#include "resources/UiTexts.h"
#include "store/StartfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CStartfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = StartfuncParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kFlushOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, flushOutputs))},
};

}  // namespace

CStartfuncVarOut::CStartfuncVarOut() : FunctionVarOutForm(CStartfunc::kKind, kOutputs, &CStartfunc::Instance)
{}
