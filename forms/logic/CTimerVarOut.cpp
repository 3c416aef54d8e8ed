// The timer function's output-variable form: the outputs of the timer and of the inverted timer.
#include "forms/logic/CTimerVarOut.h"

#include "forms/logic/CTimer.h"
#include "resources/UiTexts.h"
#include "store/TimerParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CTimerVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = TimerParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kTimerOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, output))},
    {1467, ui::kTimerOutputInverted, SixteenOutputs(kSecondOutputBoxes, offsetof(R, inverted))},
};

}  // namespace

CTimerVarOut::CTimerVarOut() : FunctionVarOutForm(CTimer::kKind, kOutputs, &CTimer::Instance)
{}
