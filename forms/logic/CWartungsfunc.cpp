// The maintenance function's parameter form: its tables for the function form frame, the participants' texts, and
// the factories of its forms.
#include "forms/logic/CWartungsfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CWartungsfuncVarIn.h"
#include "forms/logic/CWartungsfuncVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaDaten.h"
#include "store/WartungsfuncParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Wartungsfunc)

namespace {

using namespace forms;
using R = WartungsfuncParam;
using Rows = FieldTable<record::kWartungsfuncFields>;

constexpr UINT kRunTime = 1451;
constexpr UINT kPower = 1453;
constexpr UINT kParticipantTexts[5] = {1209, 1212, 1216, 1220, 1224};

const std::vector<LayoutGroup> kLayout = {
    {0,
     nullptr,
     {{1727, ui::kWartungRunTimeLabel, kRunTime, ControlKind::Combo, ui::kUnitMinutes, {}, 1728},
      {1729, ui::kWartungPowerLabel, kPower, ControlKind::Combo, ui::kUnitPercent}}},
    {1714,
     ui::kParticipatingFunctions,
     {{kParticipantTexts[0], ""},
      {kParticipantTexts[1], ""},
      {kParticipantTexts[2], ""},
      {kParticipantTexts[3], ""},
      {kParticipantTexts[4], ""}}},
};

const std::vector<ValueControl> kValues = {
    {kRunTime, Edits(Rows::Row(offsetof(R, runTime))), 0, {resources::NumberList(0, 120, 5).items}},
    {kPower, Edits(Rows::Row(offsetof(R, burnerPower))), 20, {resources::NumberList(20, 100, 5).items}},
};

}  // namespace

const forms::FunctionKind CWartungsfunc::kKind{texts::kTypeWartungsfunc, ui::kTitleWartungsfunc, true};

CWartungsfunc::CWartungsfunc() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CWartungsfunc::ShowSpecial()
{
    const int count = Record()[offsetof(R, circuitCount)];
    for (int k = 0; k < 5; ++k)
        SetCaption(kParticipantTexts[k], k < count ? ParticipantText(k) : CString());
}
