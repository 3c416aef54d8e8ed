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

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kSyncOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(SyncParam, outputs))},
};

}  // namespace

CSyncVarOut::CSyncVarOut() : FunctionVarOutForm(CSync::kKind, kOutputs, &CSync::Instance)
{}
