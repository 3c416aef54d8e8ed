// The averaging, switch-off and frost-protection dialogs of the heating-circuit controller: their rows and fields.
#include "forms/heating/CHzkrDialogs.h"

#include "forms/frame/FunctionFieldDialog.h"
#include "platform/CLocale.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/HzkrRegParam.h"

#include <span>

namespace hzkr {

namespace {

using namespace forms;
using R = HzkrRegParam;
using Rows = FieldTable<record::kHzkrRegFields>;

// Signed temperatures "- 20" .. "- 1", then "    0" .. last; index = value + 20.
std::vector<CString> SignedTemperatures(int last)
{
    std::vector<CString> items;
    for (int v = -20; v <= last; ++v)
        items.push_back(v < 0 ? CString(platform::FormatC("- %d", -v).c_str()) : resources::PaddedNumber(v));
    return items;
}

void Run(const FunctionFieldDialog::Tables& tables, HzkrRegParam* record)
{
    FunctionFieldDialog dialog(tables, std::span<BYTE>(reinterpret_cast<BYTE*>(record), sizeof(HzkrRegParam)));
    dialog.DoModal();
}

LayoutRow TimeRow(UINT caption, UINT list, UINT unit)
{
    return {caption, ui::kHzkrAveragingTime, list, ControlKind::Combo, nullptr, {}, unit};
}

}  // namespace

void RunAveragingDialog(HzkrRegParam* record)
{
    static const std::vector<LayoutGroup> layout = {
        {1383, ui::kHzkrAveragingFlow, {TimeRow(1381, 1177, 1136)}},
        {1384, ui::kHzkrAveragingOff, {TimeRow(1382, 1179, 1137)}},
    };
    static const std::vector<CString> times = resources::TimeByteList(251).items;
    static const std::vector<ValueControl> values = {
        {1177, Edits(Rows::Row(offsetof(R, averagingControl))), 0, {times}, {}, false, 0, &TimeByteUnit},
        {1179, Edits(Rows::Row(offsetof(R, averagingOff))), 0, {times}, {}, false, 0, &TimeByteUnit},
    };
    Run({IDD_HZKR_AVERAGING, ui::kHzkrAveragingTitle, layout, values}, record);
}

void RunSwitchOffDialog(HzkrRegParam* record)
{
    static const std::vector<LayoutGroup> layout = {
        {1389,
         ui::kHzkrIfRoom,
         {ComboRow(1359, ui::kHzkrRoomAbove, 1165), ComboRow(1360, ui::kHzkrHysteresis, 1164, ui::kUnitKelvin)}},
        {1386,
         ui::kHzkrIfFlow,
         {ComboRow(1361, ui::kHzkrFlowBelow, 1167), ComboRow(1362, ui::kHzkrHysteresis, 1166, ui::kUnitKelvin)}},
        {1388,
         ui::kHzkrIfOutside,
         {ComboRow(1363, ui::kHzkrOutsideAbove, 1169), ComboRow(1364, ui::kHzkrOutsideMax, 1170, ui::kUnitDegrees),
          ComboRow(1365, ui::kHzkrHysteresis, 1008, ui::kUnitKelvin)}},
        {1385,
         ui::kHzkrIfReduced,
         {ComboRow(1366, ui::kHzkrReducedAbove, 1171), ComboRow(1367, ui::kHzkrOutsideMin, 1015, ui::kUnitDegrees),
          ComboRow(1368, ui::kHzkrHysteresis, 1168, ui::kUnitKelvin)}},
        {1387, ui::kHzkrIfFlow, {ComboRow(1369, ui::kHzkrFlowAbove, 1173)}},
        {0, nullptr, {{1370, ui::kHzkrWhileOff}, ComboRow(1371, ui::kHzkrMixer, 1320)}},
    };
    static const std::vector<CString> outside = SignedTemperatures(99);
    const ValueItems yesNo{{}, ui::kHzkrYesNo};
    static const std::vector<ValueControl> values = {
        {1165, Edits(Rows::Row(offsetof(R, offRoomAboveSetpoint))), 0, yesNo},
        RangeControl(1164, Rows::Row(offsetof(R, offRoomHyst))),
        {1167, Edits(Rows::Row(offsetof(R, offFlowBelowMin))), 0, yesNo},
        RangeControl(1166, Rows::Row(offsetof(R, offFlowHyst))),
        {1169, Edits(Rows::Row(offsetof(R, offOutsideAboveMax))), 0, yesNo},
        {1170, Edits(Rows::Row(offsetof(R, offOutsideMax))), -20, {outside}},
        RangeControl(1008, Rows::Row(offsetof(R, offOutsideHyst))),
        {1171, Edits(Rows::Row(offsetof(R, offReducedOutsideAboveMin))), 0, yesNo},
        {1015, Edits(Rows::Row(offsetof(R, offReducedOutsideMin))), -20, {outside}},
        RangeControl(1168, Rows::Row(offsetof(R, offReducedHyst))),
        {1173, Edits(Rows::Row(offsetof(R, offFlowAboveMax))), 0, yesNo},
        {1320, Edits(Rows::Row(offsetof(R, mixerWhileOff))), 0, {{}, ui::kHzkrMixerActions}},
    };
    Run({IDD_HZKR_SWITCHOFF, ui::kHzkrSwitchOffTitle, layout, values}, record);
}

void RunFrostDialog(HzkrRegParam* record)
{
    static const std::vector<LayoutGroup> layout = {
        {1374,
         ui::kHzkrFrostGroup,
         {ComboRow(1372, ui::kHzkrFrostOutside, 1010, ui::kUnitDegrees),
          ComboRow(1373, ui::kHzkrFrostRoom, 1013, ui::kUnitDegrees)}},
    };
    static const std::vector<ValueControl> values = {
        {1010, Edits(Rows::Row(offsetof(R, frostOutside))), -20, {SignedTemperatures(20)}},
        RangeControl(1013, Rows::Row(offsetof(R, frostRoom))),
    };
    Run({IDD_HZKR_FROST, ui::kHzkrFrostTitle, layout, values}, record);
}

}  // namespace hzkr
