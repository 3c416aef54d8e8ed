// The profile function's output-variable form: the outputs of the status "PROFILO ATTIVO".
#include "forms/logic/CProfilfuncVarOut.h"

#include "forms/logic/CProfilfunc.h"
#include "resources/UiTexts.h"
#include "store/ProfilfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CProfilfuncVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

constexpr UINT kBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                             1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kProfilOutput, SixteenOutputs(kBoxes, offsetof(ProfilfuncParam, outputs))},
};

}  // namespace

CProfilfuncVarOut::CProfilfuncVarOut() : FunctionVarOutForm(CProfilfunc::kKind, kOutputs, &CProfilfunc::Instance)
{}
