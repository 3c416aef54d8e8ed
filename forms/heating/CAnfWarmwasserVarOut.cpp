// The hot-water request's output-variable form: the outputs its request drives and the speed-controlled outputs
// of its burner power.
#include "forms/heating/CAnfWarmwasserVarOut.h"

#include "forms/heating/CAnfWarmwasser.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/AnfWarmwasserParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnfWarmwasserVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = AnfWarmwasserParam;

// The speed-controlled outputs 1, 2, 6, 7, 15 and 16, in the order of their flags.
std::vector<OutputBox> BurnerOutputs()
{
    constexpr UINT kIds[6] = {1030, 1044, 1128, 1158, 1414, 1415};
    constexpr int kOutputs[6] = {1, 2, 6, 7, 15, 16};
    std::vector<OutputBox> boxes;
    for (unsigned i = 0; i < 6; ++i)
        boxes.push_back(
            {kIds[i], BoxLabel::Single, kOutputs[i], Field{static_cast<unsigned>(offsetof(R, burnerOutputs)) + i}});
    return boxes;
}

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kAnfhOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, outputs))},
    {IDC_ANFW_BURNER_GROUP, ui::kAnfwBurnerOutput, BurnerOutputs(), ui::kOutputKindSpeed},
};

}  // namespace

CAnfWarmwasserVarOut::CAnfWarmwasserVarOut()
    : FunctionVarOutForm(CAnfWarmwasser::kKind, kOutputs, &CAnfWarmwasser::Instance)
{}
