// The comparison's output-variable form: the outputs of "Va > Vb + diff" and of "Va < Vb + diff".
#include "forms/logic/CVergleichVarOut.h"

#include "forms/logic/CVergleich.h"
#include "resources/UiTexts.h"
#include "store/VergleichParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CVergleichVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = VergleichParam;

constexpr UINT kAboveBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                  1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};
constexpr UINT kBelowBoxes[16] = {1251, 1253, 1255, 1257, 1259, 1261, 1263, 1266,
                                  1269, 1271, 1273, 1275, 1278, 1511, 1281, 1282};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kVergleichAbove, SixteenOutputs(kAboveBoxes, offsetof(R, above))},
    {1467, ui::kVergleichBelow, SixteenOutputs(kBelowBoxes, offsetof(R, below))},
};

}  // namespace

CVergleichVarOut::CVergleichVarOut() : FunctionVarOutForm(CVergleich::kKind, kOutputs, &CVergleich::Instance)
{}
