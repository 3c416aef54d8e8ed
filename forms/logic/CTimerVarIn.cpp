// The timer function's input-variable form: the release, the trigger and the duty ratio.
#include "forms/logic/CTimerVarIn.h"

#include "forms/logic/CTimer.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/TimerParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CTimerVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = TimerParam;

const std::vector<InputRow> kInputs = {
    {ui::kTimerReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kTimerTriggerInput, 0, 1722, 1721, InputKind::Digital, offsetof(R, trigger.kind),
     offsetof(R, trigger.inverted), offsetof(R, trigger.number), 0, 1230, 1232, 1234, 1516, 1519, ModeRule::FixedState,
     false, -1, nullptr, {false, RECORD_BITS(R, modeWord, 5), kTimerAstabil, true}},
    {ui::kTimerDutyInput, 0, 1724, 1723, InputKind::Analog, offsetof(R, duty.kind), 0, offsetof(R, duty.number), 0,
     1231, 1233, 1235},
};

}  // namespace

CTimerVarIn::CTimerVarIn() : FunctionVarInForm(CTimer::kKind, kInputs, &CTimer::Instance)
{}
