// The timer function's parameter form: its tables for the function form frame, the mode's visibility rules, and the
// factories of its forms.
#include "forms/logic/CTimer.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CTimerVarIn.h"
#include "forms/logic/CTimerVarOut.h"

#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/TimerParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Timer)

namespace {

using namespace forms;
using R = TimerParam;
using Rows = FieldTable<record::kTimerFields>;

constexpr UINT kMode = 1484;
constexpr UINT kEdge = 1486;
constexpr UINT kRetrigger = 1485;
constexpr UINT kPulse = 1347;
constexpr UINT kOff = 1351;
constexpr UINT kDuty = 1348;
constexpr UINT kPulseBox = 1283;
constexpr UINT kPulseLabel = 1285;
constexpr UINT kOffLabel = 1287;
constexpr UINT kPulseUnit = 1039;
constexpr UINT kOffUnit = 1041;
constexpr int kLastTimeByte = 251;

const record::FieldRef kModeField = RECORD_BITS(R, modeWord, 5);

// Time byte v: seconds 0..90, minutes 2.0..9.5 in half minutes (91..106), minutes 10..59 (107..156), hours 1.0..48.0
// in half hours (157..251); bare numbers, the unit stands beside the list.
std::vector<CString> TimeItems()
{
    std::vector<CString> items;
    for (int v = 0; v <= kLastTimeByte; ++v) {
        if (v <= 90)
            items.push_back(CString(platform::FormatC("%d", v)));
        else if (v <= 106)
            items.push_back(CString(platform::FormatC("%d.%d", (v - 87) / 2, (v - 87) % 2 * 5)));
        else if (v <= 156)
            items.push_back(CString(platform::FormatC("%d", v - 97)));
        else
            items.push_back(CString(platform::FormatC("%d.%d", (v - 155) / 2, (v - 155) % 2 * 5)));
    }
    return items;
}

const std::vector<LayoutGroup> kLayout = {
    {0, nullptr, {{1476, ui::kTimerModeLabel, kMode, ControlKind::Combo}}},
    {1719,
     ui::kTimerTriggerGroup,
     {{1717, ui::kTimerEdgeLabel, kEdge, ControlKind::Combo},
      {1718, ui::kTimerRetriggerLabel, kRetrigger, ControlKind::Combo}}},
    {kPulseBox,
     ui::kTimerPulseGroup,
     {{kPulseLabel, ui::kTimerPulseLabel, kPulse, ControlKind::Combo, nullptr, {}, kPulseUnit},
      {kOffLabel, "", kOff, ControlKind::Combo, nullptr, {}, kOffUnit}}},
    {0, nullptr, {{1720, ui::kTimerDutyLabel, kDuty, ControlKind::Combo, ui::kUnitPercent}}},
};

const std::vector<ValueControl> kValues = {
    // OnModus: the mode and the OFF time are stored and the record shown again: the mode decides what is shown.
    {kMode, kModeField, 0, {{}, ui::kTimerModes}, {}, true},
    {kOff, Edits(Rows::Row(offsetof(R, offTime))), 0, {TimeItems()}, {}, true},
    // The edge counts in the pulse mode only.
    {kEdge, RECORD_BITS(R, edgeWord, 2), 0, {{}, ui::kTimerEdges}, {false, kModeField, kTimerImpuls}},
    {kRetrigger, Edits(Rows::Row(offsetof(R, retrigger))), 0, {{}, ui::kTimerRetrigger}},
    {kPulse, Edits(Rows::Row(offsetof(R, time))), 0, {TimeItems()}, {}, true},
    {kDuty,
     Edits(Rows::Row(offsetof(R, duty.number))),
     0,
     {resources::NumberList(0, 100).items},
     {false, RECORD_FIELD(R, duty.kind), 0}},
};

}  // namespace

const forms::FunctionKind CTimer::kKind{texts::kTypeTimer, ui::kTitleTimer, false};

CTimer::CTimer() : FunctionParamForm({kKind, kLayout, kValues})
{}

bool CTimer::Astable(const BYTE* record)
{
    return ReadField(record, kModeField) == kTimerAstabil;
}

void CTimer::ShowSpecial()
{
    const BYTE* r = Record();
    const bool astable = Astable(r);
    if (CWnd* box = GetDlgItem(kPulseBox))
        box->ShowWindow(astable ? SW_SHOW : SW_HIDE);
    if (CWnd* off = GetDlgItem(kOff))
        off->ShowWindow(astable ? SW_SHOW : SW_HIDE);
    SetCaption(kPulseLabel, astable ? ui::kTimerOnLabel : ui::kTimerPulseLabel);
    SetCaption(kOffLabel, astable ? ui::kTimerOffLabel : "");
    SetCaption(kPulseUnit, TimeByteUnit(r[offsetof(R, time)]));
    SetCaption(kOffUnit, astable ? TimeByteUnit(r[offsetof(R, offTime)]) : "");
    // Retrigger: "sì" for any stored value but 0; not in the astable mode.
    if (auto* retrigger = static_cast<CComboBox*>(GetDlgItem(kRetrigger))) {
        retrigger->EnableWindow(!astable);
        retrigger->SetCurSel(astable ? -1 : r[offsetof(R, retrigger)] != 0 ? 1 : 0);
    }
}

void CTimer::PrepareLabels(std::vector<BYTE>& record) const
{
    // The astable mode has no trigger: its pin is labelled without a suffix.
    if (!Astable(record.data()))
        return;
    record[offsetof(R, trigger.inverted)] = 0;
    if (record[offsetof(R, trigger.kind)] == 0)
        record[offsetof(R, trigger.number)] = 1;
}
