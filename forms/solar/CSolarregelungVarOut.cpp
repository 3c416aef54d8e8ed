// The solar control's output-variable form: the outputs 1 to 16 the solar circuit switches.
#include "forms/solar/CSolarregelungVarOut.h"

#include "forms/solar/CSolarregelung.h"
#include "resources/UiTexts.h"
#include "store/SolarregelungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSolarregelungVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = SolarregelungParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSolarOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, outputs))},
};

}  // namespace

CSolarregelungVarOut::CSolarregelungVarOut()
    : FunctionVarOutForm(CSolarregelung::kKind, kOutputs, &CSolarregelung::Instance)
{}
