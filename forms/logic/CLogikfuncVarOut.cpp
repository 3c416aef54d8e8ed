// The logic function's output-variable form: the outputs of the result and of the inverted result.
#include "forms/logic/CLogikfuncVarOut.h"

#include "forms/logic/CLogikfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CLogikfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = LogikfuncParam;

constexpr UINT kResultBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                   1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};
constexpr UINT kInvertedBoxes[16] = {1251, 1253, 1255, 1257, 1259, 1261, 1263, 1266,
                                     1269, 1271, 1273, 1275, 1278, 1511, 1281, 1282};

const std::vector<OutputGroup> kOutputs = {
    {IDC_LOGIK_RESULT_GROUP, ui::kLogikResult, SixteenOutputs(kResultBoxes, offsetof(R, result))},
    {IDC_LOGIK_INVERTED_GROUP, ui::kLogikResultInverted, SixteenOutputs(kInvertedBoxes, offsetof(R, inverted))},
};

}  // namespace

CLogikfuncVarOut::CLogikfuncVarOut() : FunctionVarOutForm(CLogikfunc::kKind, kOutputs, &CLogikfunc::Instance)
{}
