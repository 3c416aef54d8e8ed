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

constexpr UINT kBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                             1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kFlushOutput, SixteenOutputs(kBoxes, offsetof(R, flushOutputs))},
};

}  // namespace

CSolarvorrangVarOut::CSolarvorrangVarOut()
    : FunctionVarOutForm(CSolarvorrang::kKind, kOutputs, &CSolarvorrang::Instance)
{
}
