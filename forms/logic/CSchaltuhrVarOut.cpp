// The time switch's output-variable form: the outputs of the status of the time condition.
#include "forms/logic/CSchaltuhrVarOut.h"

#include "forms/logic/CSchaltuhr.h"
#include "resources/UiTexts.h"
#include "store/SchaltuhrParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSchaltuhrVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

constexpr UINT kBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                             1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSyncOutput, SixteenOutputs(kBoxes, offsetof(SchaltuhrParam, outputs))},
};

}  // namespace

CSchaltuhrVarOut::CSchaltuhrVarOut() : FunctionVarOutForm(CSchaltuhr::kKind, kOutputs, &CSchaltuhr::Instance)
{}
