// The analog function's output-variable form: the outputs 1, 2, 6, 7, 15 and 16 the result drives.
#include "forms/logic/CAnalogfuncVarOut.h"

#include "forms/logic/CAnalogfunc.h"
#include "resources/UiTexts.h"
#include "store/AnalogfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnalogfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kAnalogResult, SpeedOutputs({1028, 1040, 1119, 1153, 1412, 1413}, offsetof(AnalogfuncParam, outputs)),
     ui::kWartungSpeedOutput},
};

}  // namespace

CAnalogfuncVarOut::CAnalogfuncVarOut() : FunctionVarOutForm(CAnalogfunc::kKind, kOutputs, &CAnalogfunc::Instance)
{}
