// The PID control's output-variable form: the manipulated variable on the six speed-controlled outputs.
#include "forms/solar/CPID_RegelungVarOut.h"

#include "forms/solar/CPID_Regelung.h"
#include "resources/UiTexts.h"
#include "store/PID_RegelungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CPID_RegelungVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = PID_RegelungParam;

const std::vector<OutputGroup> kOutputs = {
    {1292, ui::kMagnitudeOutput, SpeedOutputs({1028, 1040, 1119, 1153, 1412, 1413}, offsetof(R, outputs)),
     ui::kOutputKindSpeed},
};

}  // namespace

CPID_RegelungVarOut::CPID_RegelungVarOut()
    : FunctionVarOutForm(CPID_Regelung::kKind, kOutputs, &CPID_Regelung::Instance)
{}
