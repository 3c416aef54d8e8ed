// The start function's parameter form: its tables for the function form frame, the participants' names and the
// threshold list, and the factories of its forms.
#include "forms/solar/CStartfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CStartfuncVarIn.h"
#include "forms/solar/CStartfuncVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/StartfuncParam.h"
#include "texttables/StandardDesignations.h"

#include <cstddef>

FUNCTION_FORM_FACTORIES(Startfunc)

namespace {

using namespace forms;
using R = StartfuncParam;
using Rows = FieldTable<record::kStartfuncFields>;

enum : UINT {
    kWindowLabel = 1710, kWindowStart = 1455, kWindowEnd = 1457, kHour = 1711, kRunTimeLabel = 1267,
    kRunTime = 1442, kSeconds = 1056, kIntervalLabel = 1712, kInterval = 1016, kMinutes = 1713,
    kThresholdLabel = 1187, kThreshold = 1018, kThresholdUnit = 1196, kParticipantGroup = 1714,
};

// The statics of participants 1 to 10.
constexpr UINT kParticipantTexts[10] = {1209, 1212, 1216, 1220, 1224, 1228, 1237, 1243, 1249, 1260};

std::vector<LayoutGroup> Layout()
{
    std::vector<LayoutGroup> layout = {
        {0, nullptr,
         {{kWindowLabel, ui::kStartWindow, kWindowStart, ControlKind::Combo},
          {0, nullptr, kWindowEnd, ControlKind::Combo, ui::kKuehlHour, {}, kHour},
          {kRunTimeLabel, ui::kRunTime, kRunTime, ControlKind::Combo, ui::kUnitSeconds, {}, kSeconds},
          {kIntervalLabel, ui::kInterval, kInterval, ControlKind::Combo, ui::kUnitMinutes, {}, kMinutes},
          // Caption and unit follow the radiation input (ShowSpecial).
          {kThresholdLabel, "", kThreshold, ControlKind::Combo, nullptr, {}, kThresholdUnit}}},
        {kParticipantGroup, ui::kParticipatingFunctions, {}},
    };
    for (const UINT id : kParticipantTexts)
        layout.back().rows.push_back({id, ""});
    return layout;
}

const std::vector<LayoutGroup> kLayout = Layout();

const std::vector<ValueControl> kValues = {
    RangeControl(kWindowStart, Rows::Row(offsetof(R, windowStart))),
    RangeControl(kWindowEnd, Rows::Row(offsetof(R, windowEnd))),
    RangeControl(kRunTime, Rows::Row(offsetof(R, runTime))),
    RangeControl(kInterval, Rows::Row(offsetof(R, interval))),
    {kThreshold, Edits(Rows::Row(offsetof(R, activation))), 0},
};

}  // namespace

const forms::FunctionKind CStartfunc::kKind {texts::kTypeStartfunc, ui::kTitleStartfunc, true};

CStartfunc::CStartfunc() : FunctionParamForm({kKind, kLayout, kValues}) {}

void CStartfunc::ShowSpecial()
{
    const BYTE* record = Record();
    const int count = record[offsetof(R, solarCount)];
    for (int k = 0; k < 10; ++k)
        SetCaption(kParticipantTexts[k], k < count ? ParticipantText(k) : CString());

    // With a radiation sensor the threshold is in steps of 10 W/m2 up to 900; without, a plain number up to 99.
    const bool radiation = record[offsetof(R, radiation.kind)] != 0;
    SetCaption(kThresholdLabel, radiation ? ui::kStartRadiationThreshold : ui::kStartPlainThreshold);
    SetCaption(kThresholdUnit, radiation ? ui::kUnitRadiation : "");
    CComboBox* list = ValueCombo(kThreshold);
    if (!list)
        return;
    list->ResetContent();
    const std::vector<CString> items =
        radiation ? resources::ScaledList(0, 90, 10).items : resources::NumberList(0, 99).items;
    for (size_t i = 0; i < items.size(); ++i)
        list->InsertString(static_cast<int>(i), items[i]);
    list->SetCurSel(record[offsetof(R, activation)]);
}
