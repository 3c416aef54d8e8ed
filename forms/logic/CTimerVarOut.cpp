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

constexpr UINT kTimerBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                  1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};
constexpr UINT kInvertedBoxes[16] = {1251, 1253, 1255, 1257, 1259, 1261, 1263, 1266,
                                     1269, 1271, 1273, 1275, 1278, 1511, 1281, 1282};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kTimerOutput, SixteenOutputs(kTimerBoxes, offsetof(R, output))},
    {1467, ui::kTimerOutputInverted, SixteenOutputs(kInvertedBoxes, offsetof(R, inverted))},
};

}  // namespace

CTimerVarOut::CTimerVarOut() : FunctionVarOutForm(CTimer::kKind, kOutputs, &CTimer::Instance)
{}
