// The solar priority's parameter form: its tables for the function form frame, the participant rows built for the
// count in use, and the factories of its forms.
#include "forms/solar/CSolarvorrang.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CSolarvorrangVarIn.h"
#include "forms/solar/CSolarvorrangVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/SolarvorrangParam.h"
#include "texttables/StandardDesignations.h"

#include <algorithm>
#include <cstddef>

FUNCTION_FORM_FACTORIES(Solarvorrang)

namespace {

using namespace forms;
using R = SolarvorrangParam;
using Rows = FieldTable<record::kSolarvorrangFields>;

enum : UINT {
    kPriorityGroup = 1706, kFollowUpGroup = 1707, kLevelLabel = 1702, kLevel = 1505, kThresholdLabel = 1703,
    kThreshold = 1009, kRunTimeLabel = 1267, kRunTime = 1442, kRunTimeUnit = 1056, kWaitLabel = 1704, kWait = 1005,
    kWaitUnit = 1705,
};

// Participants 1 to 10: the label and the priority list of each row.
constexpr UINT kRowLabels[10] = {1209, 1212, 1216, 1220, 1224, 1228, 1237, 1243, 1249, 1260};
constexpr UINT kRowLists[10] = {1231, 1239, 1245, 1252, 1264, 1274, 1282, 1290, 1300, 1310};
// The rows of the first two participants always show: a priority names at least two.
constexpr int kLeastCount = 2;

std::vector<LayoutGroup> Layout()
{
    std::vector<LayoutGroup> layout = {
        // Participants 1 to 5 in the left column, 6 to 10 in the right.
        {kPriorityGroup, ui::kPriorityGroup, {}, 2},
        {kFollowUpGroup, ui::kFollowUpGroup,
         {{kLevelLabel, ui::kFromPriority, kLevel, ControlKind::Combo},
          {kThresholdLabel, ui::kRadiationThreshold, kThreshold, ControlKind::Combo, ui::kUnitRadiation},
          {kRunTimeLabel, ui::kRunTime, kRunTime, ControlKind::Combo, ui::kUnitMinutes, {}, kRunTimeUnit},
          {kWaitLabel, ui::kWaitTime, kWait, ControlKind::Combo, ui::kUnitMinutes, {}, kWaitUnit}}},
    };
    for (int k = 0; k < 10; ++k)
        layout.front().rows.push_back({kRowLabels[k], "", kRowLists[k], ControlKind::Combo});
    return layout;
}

const std::vector<LayoutGroup> kLayout = Layout();

// Offset of participant k's function reference, and of its priority just after it.
unsigned ParticipantField(int k)
{
    return static_cast<unsigned>(offsetof(R, participants) + static_cast<size_t>(k) * sizeof(SolarvorrangTeilnehmer));
}

std::vector<ValueControl> Values()
{
    std::vector<ValueControl> values = {
        // The level and the priority lists hold the levels of the count in use (ShowSpecial).
        {kLevel, Edits(Rows::Row(offsetof(R, timerFromPriority))), 1},
        // The threshold counts only with a radiation sensor.
        {kThreshold, Edits(Rows::Row(offsetof(R, activation))), 0, {resources::ScaledList(0, 90, 10).items},
         {false, RECORD_FIELD(R, radiation.kind), 0, true}},
        {kRunTime, Edits(Rows::Row(offsetof(R, runTime))), 0, {resources::NumberList(0, 120).items}},
        {kWait, Edits(Rows::Row(offsetof(R, waitTime))), 0, {resources::NumberList(0, 20).items}},
    };
    for (int k = 0; k < 10; ++k)
        values.push_back({kRowLists[k], record::ByteAt(ParticipantField(k) + 1), 0});
    return values;
}

const std::vector<ValueControl> kValues = Values();

// Refills a list: the levels 1 to count, after " OFF" when off is offered.
void FillLevels(CComboBox* list, int count, bool off)
{
    if (!list)
        return;
    list->ResetContent();
    int index = 0;
    if (off) {
        CString text;
        text.Format(ui::kPriorityOff, ui::kFixedOff);
        list->InsertString(index++, text);
    }
    for (int level = 1; level <= count; ++level)
        list->InsertString(index++, resources::PaddedNumber(level));
}

}  // namespace

const forms::FunctionKind CSolarvorrang::kKind {texts::kTypeSolarvorrang, ui::kTitleSolarvorrang, true};

CSolarvorrang::CSolarvorrang() : FunctionParamForm({kKind, kLayout, kValues}) {}

void CSolarvorrang::ShowSpecial()
{
    const BYTE* record = Record();
    const int count = record[offsetof(R, participantCount)];
    const int rows = std::max(count, kLeastCount);
    for (int k = 0; k < 10; ++k) {
        CString label;
        if (k < rows)
            label.Format(ui::kPriorityLabel, ParticipantText(k).GetString());
        SetCaption(kRowLabels[k], label);
        CComboBox* list = ValueCombo(kRowLists[k]);
        FillLevels(list, count, true);
        if (list) {
            list->ShowWindow(k < rows ? SW_SHOW : SW_HIDE);
            list->SetCurSel(record[ParticipantField(k) + 1]);
        }
    }
    CComboBox* level = ValueCombo(kLevel);
    FillLevels(level, count, false);
    if (level)
        level->SetCurSel(record[offsetof(R, timerFromPriority)] - 1);
}
