// The maintenance function's output-variable form: the burner demand's 16 outputs and the burner power's six speed
// outputs.
#include "forms/logic/CWartungsfuncVarOut.h"

#include "forms/logic/CWartungsfunc.h"
#include "resources/UiTexts.h"
#include "store/WartungsfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CWartungsfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = WartungsfuncParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kWartungBurnerDemand, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, burnerDemand))},
    {1292, ui::kWartungBurnerPower, SpeedOutputs({1030, 1044, 1128, 1158, 1414, 1415}, offsetof(R, powerOutputs)),
     ui::kWartungSpeedOutput},
};

}  // namespace

CWartungsfuncVarOut::CWartungsfuncVarOut()
    : FunctionVarOutForm(CWartungsfunc::kKind, kOutputs, &CWartungsfunc::Instance)
{}
