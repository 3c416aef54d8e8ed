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

std::vector<OutputBox> ResultOutputs()
{
    constexpr UINT kIds[6] = {1028, 1040, 1119, 1153, 1412, 1413};
    constexpr int kOutputs[6] = {1, 2, 6, 7, 15, 16};
    std::vector<OutputBox> boxes;
    for (unsigned i = 0; i < 6; ++i)
        boxes.push_back({kIds[i], BoxLabel::Single, kOutputs[i],
                         Field{static_cast<unsigned>(offsetof(AnalogfuncParam, outputs)) + i}});
    return boxes;
}

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kAnalogResult, ResultOutputs(), ui::kWartungSpeedOutput},
};

}  // namespace

CAnalogfuncVarOut::CAnalogfuncVarOut() : FunctionVarOutForm(CAnalogfunc::kKind, kOutputs, &CAnalogfunc::Instance)
{}
