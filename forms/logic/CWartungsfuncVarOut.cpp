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

constexpr UINT kDemandBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                   1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

// The speed outputs 1, 2, 6, 7, 15 and 16, one flag each.
std::vector<OutputBox> SpeedOutputs()
{
    constexpr UINT kIds[6] = {1030, 1044, 1128, 1158, 1414, 1415};
    constexpr int kOutputs[6] = {1, 2, 6, 7, 15, 16};
    std::vector<OutputBox> boxes;
    for (unsigned i = 0; i < 6; ++i)
        boxes.push_back(
            {kIds[i], BoxLabel::Single, kOutputs[i], Field{static_cast<unsigned>(offsetof(R, powerOutputs)) + i}});
    return boxes;
}

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kWartungBurnerDemand, SixteenOutputs(kDemandBoxes, offsetof(R, burnerDemand))},
    {1292, ui::kWartungBurnerPower, SpeedOutputs(), ui::kWartungSpeedOutput},
};

}  // namespace

CWartungsfuncVarOut::CWartungsfuncVarOut()
    : FunctionVarOutForm(CWartungsfunc::kKind, kOutputs, &CWartungsfunc::Instance)
{}
