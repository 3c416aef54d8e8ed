// The heating-circuit controller's output-variable form: the outputs its circuit pump drives and its mixer pair.
#include "forms/heating/CHzkrRegVarOut.h"

#include "forms/heating/CHzkrReg.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/HzkrRegParam.h"
#include "store/MischerRegParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CHzkrRegVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = HzkrRegParam;
using Rows = FieldTable<record::kHzkrRegFields>;

const std::vector<OutputGroup> kOutputs = {
    {IDC_OUTPUT_GROUP, ui::kHzkrPumpOutput, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, pumpOutputs))},
    {IDC_MISCHER_OUTPUT_GROUP,
     ui::kMischerOutput,
     {{IDC_MISCHER_OUTPUT_NONE, BoxLabel::None, 0, {}, -1, true},
      {IDC_MISCHER_OUTPUT_3, BoxLabel::Pair, 3, Edits(Rows::Row(offsetof(R, mixerOutputs))), kMischer3},
      {IDC_MISCHER_OUTPUT_8, BoxLabel::Pair, 8, Edits(Rows::Row(offsetof(R, mixerOutputs))), kMischer8},
      {IDC_MISCHER_OUTPUT_10, BoxLabel::Pair, 10, Edits(Rows::Row(offsetof(R, mixerOutputs))), kMischer10},
      {IDC_MISCHER_OUTPUT_12, BoxLabel::Pair, 12, Edits(Rows::Row(offsetof(R, mixerOutputs))), kMischer12}}},
};

}  // namespace

CHzkrRegVarOut::CHzkrRegVarOut() : FunctionVarOutForm(CHzkrReg::kKind, kOutputs, &CHzkrReg::Instance)
{}
