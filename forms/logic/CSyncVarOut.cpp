// The synchronisation's output-variable form: the outputs of the status "COND.TPO.RISPET.".
#include "forms/logic/CSyncVarOut.h"

#include "forms/logic/CSync.h"
#include "resources/UiTexts.h"
#include "store/SyncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSyncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

constexpr UINT kBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                             1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSyncOutput, SixteenOutputs(kBoxes, offsetof(SyncParam, outputs))},
};

}  // namespace

CSyncVarOut::CSyncVarOut() : FunctionVarOutForm(CSync::kKind, kOutputs, &CSync::Instance)
{}
