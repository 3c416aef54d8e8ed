// The circulation's output-variable form: the controller outputs its pump drives.
#include "forms/heating/CZirkulationVarOut.h"

#include "forms/heating/CZirkulation.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/ZirkulationParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CZirkulationVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kZirkOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(ZirkulationParam, outputs))},
};

}  // namespace

CZirkulationVarOut::CZirkulationVarOut() : FunctionVarOutForm(CZirkulation::kKind, kOutputs, &CZirkulation::Instance)
{}
