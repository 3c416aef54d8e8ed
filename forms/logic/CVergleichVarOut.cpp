// The comparison's output-variable form: the outputs of "Va > Vb + diff" and of "Va < Vb + diff".
#include "forms/logic/CVergleichVarOut.h"

#include "forms/logic/CVergleich.h"
#include "resources/UiTexts.h"
#include "store/VergleichParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CVergleichVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = VergleichParam;

const std::vector<OutputGroup> kOutputs = {
    {1542, ui::kVergleichAbove, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, above))},
    {1467, ui::kVergleichBelow, SixteenOutputs(kSecondOutputBoxes, offsetof(R, below))},
};

}  // namespace

CVergleichVarOut::CVergleichVarOut() : FunctionVarOutForm(CVergleich::kKind, kOutputs, &CVergleich::Instance)
{}
