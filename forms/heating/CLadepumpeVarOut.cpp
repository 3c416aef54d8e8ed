// The charge pump's output-variable form: the controller outputs its pump drives.
#include "forms/heating/CLadepumpeVarOut.h"

#include "forms/heating/CLadepumpe.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LadepumpeParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CLadepumpeVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kLadeOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(LadepumpeParam, outputs))},
};

}  // namespace

CLadepumpeVarOut::CLadepumpeVarOut() : FunctionVarOutForm(CLadepumpe::kKind, kOutputs, &CLadepumpe::Instance)
{}
