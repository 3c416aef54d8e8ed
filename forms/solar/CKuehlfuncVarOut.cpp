// The cooling function's output-variable form: the cooling status on outputs 1 to 16 and the control variable on
// the six speed-controlled outputs.
#include "forms/solar/CKuehlfuncVarOut.h"

#include "forms/solar/CKuehlfunc.h"
#include "resources/UiTexts.h"
#include "store/KuehlfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CKuehlfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = KuehlfuncParam;

constexpr UINT kCoolingBoxes[16] = {1238, 1240, 1242, 1244, 1246, 1248, 1250, 1254,
                                    1258, 1262, 1267, 1272, 1277, 1280, 1284, 1285};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kKuehlOutput, SixteenOutputs(kCoolingBoxes, offsetof(R, coolingOutputs))},
    {1292, ui::kMagnitudeOutput, SpeedOutputs({1225, 1227, 1229, 1233, 1236, 1237}, offsetof(R, controlledOutputs)),
     ui::kOutputKindSpeed},
};

}  // namespace

CKuehlfuncVarOut::CKuehlfuncVarOut() : FunctionVarOutForm(CKuehlfunc::kKind, kOutputs, &CKuehlfunc::Instance)
{}
