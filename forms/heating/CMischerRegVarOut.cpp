// The mixer control's output-variable form: the mixer output pair it drives, or none.
#include "forms/heating/CMischerRegVarOut.h"

#include "forms/heating/CMischerReg.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/MischerRegParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CMischerRegVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = MischerRegParam;
using Rows = FieldTable<record::kMischerRegFields>;

// One mixer pair by its first output, or none.
const std::vector<OutputGroup> kOutputs = {
    {IDC_MISCHER_OUTPUT_GROUP,
     ui::kMischerOutput,
     {{IDC_MISCHER_OUTPUT_NONE, BoxLabel::None, 0, {}, -1, true},
      {IDC_MISCHER_OUTPUT_3, BoxLabel::Pair, 3, Edits(Rows::Row(offsetof(R, outputs))), kMischer3},
      {IDC_MISCHER_OUTPUT_8, BoxLabel::Pair, 8, Edits(Rows::Row(offsetof(R, outputs))), kMischer8},
      {IDC_MISCHER_OUTPUT_10, BoxLabel::Pair, 10, Edits(Rows::Row(offsetof(R, outputs))), kMischer10},
      {IDC_MISCHER_OUTPUT_12, BoxLabel::Pair, 12, Edits(Rows::Row(offsetof(R, outputs))), kMischer12}}},
};

}  // namespace

CMischerRegVarOut::CMischerRegVarOut() : FunctionVarOutForm(CMischerReg::kKind, kOutputs, &CMischerReg::Instance)
{}
