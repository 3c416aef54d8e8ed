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

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kProfilOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(ProfilfuncParam, outputs))},
};

}  // namespace

CProfilfuncVarOut::CProfilfuncVarOut() : FunctionVarOutForm(CProfilfunc::kKind, kOutputs, &CProfilfunc::Instance)
{}
