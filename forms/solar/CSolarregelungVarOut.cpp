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

constexpr UINT kBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                             1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSolarOutput, SixteenOutputs(kBoxes, offsetof(R, outputs))},
};

}  // namespace

CSolarregelungVarOut::CSolarregelungVarOut()
    : FunctionVarOutForm(CSolarregelung::kKind, kOutputs, &CSolarregelung::Instance)
{
}
