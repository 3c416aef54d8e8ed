// The solar priority's output-variable form: the outputs 1 to 16 of the flushing.
#include "forms/solar/CSolarvorrangVarOut.h"

#include "forms/solar/CSolarvorrang.h"
#include "resources/UiTexts.h"
#include "store/SolarvorrangParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSolarvorrangVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = SolarvorrangParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kFlushOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, flushOutputs))},
};

}  // namespace

CSolarvorrangVarOut::CSolarvorrangVarOut()
    : FunctionVarOutForm(CSolarvorrang::kKind, kOutputs, &CSolarvorrang::Instance)
{}
