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

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kAnfhOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, outputs))},
    {IDC_ANFW_BURNER_GROUP, ui::kAnfwBurnerOutput,
     SpeedOutputs({1030, 1044, 1128, 1158, 1414, 1415}, offsetof(R, burnerOutputs)), ui::kOutputKindSpeed},
};

}  // namespace

CAnfWarmwasserVarOut::CAnfWarmwasserVarOut()
    : FunctionVarOutForm(CAnfWarmwasser::kKind, kOutputs, &CAnfWarmwasser::Instance)
{}
