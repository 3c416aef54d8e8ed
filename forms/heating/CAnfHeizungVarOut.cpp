// The heating request's output-variable form: the controller outputs its demand drives.
#include "forms/heating/CAnfHeizungVarOut.h"

#include "forms/heating/CAnfHeizung.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/AnfHeizungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnfHeizungVarOut, FunctionVarOutForm)

namespace {

using namespace forms;

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kAnfhOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(AnfHeizungParam, outputs))},
};

}  // namespace

CAnfHeizungVarOut::CAnfHeizungVarOut() : FunctionVarOutForm(CAnfHeizung::kKind, kOutputs, &CAnfHeizung::Instance)
{}
