// The counter's parameter form: its tables for the function form frame, the mode's controls, the position edits
// with the save's range check, and the factories of its forms.
#include "forms/logic/CZaehler.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CZaehlerVarIn.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"
#include "store/ZaehlerParam.h"
#include "texttables/StandardDesignations.h"

#include <cstdlib>

FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(Zaehler, CheckAndSave)

namespace {

using namespace forms;
using R = ZaehlerParam;
using Rows = FieldTable<record::kZaehlerFields>;

constexpr UINT kHours = 1156;
constexpr UINT kPulses = 1037;
constexpr UINT kDivisorLabel = 1157;
constexpr UINT kDivisor = 1203;
constexpr UINT kPositionBox = 1219;
constexpr UINT kPosition = 1218;
constexpr UINT kPositionUnit = 1217;
constexpr UINT kMinutes = 1220;
constexpr UINT kMinutesUnit = 1221;
constexpr long kLastPosition = 65535;
constexpr long kLastMinute = 59;

const record::FieldRef kModeField = Edits(Rows::Row(offsetof(R, mode)));
const record::FieldRef kPositionField = Edits(Rows::Row(offsetof(R, position)));
const record::FieldRef kMinutesField = Edits(Rows::Row(offsetof(R, minutes)));

// Divisors 1..250, right-aligned by blanks.
std::vector<CString> DivisorItems()
{
    std::vector<CString> items;
    for (int d = 1; d <= 250; ++d)
        items.push_back(CString(platform::FormatC(d < 10 ? "    %d" : d < 100 ? "   %d" : " %d", d)));
    return items;
}

const std::vector<LayoutGroup> kLayout = {
    {1309,
     ui::kZaehlerModeGroup,
     {{0,
       nullptr,
       kHours,
       ControlKind::Radios,
       nullptr,
       {{kHours, ui::kZaehlerHours, 80}, {kPulses, ui::kZaehlerPulses, 80}}},
      {kDivisorLabel, "", kDivisor, ControlKind::Combo}}},
    {kPositionBox,
     "",
     {{1747, ui::kZaehlerPositionLabel, kPosition, ControlKind::Digits, nullptr, {}, kPositionUnit},
      {0, nullptr, kMinutes, ControlKind::Digits, nullptr, {}, kMinutesUnit}}},
};

const std::vector<ValueControl> kValues = {
    {kHours, kModeField, 0, {}, {}, false, 1},
    {kDivisor, Edits(Rows::Row(offsetof(R, divisor))), 1, {DivisorItems()}},
};

long EditNumber(const CEdit& edit)
{
    CString text;
    edit.GetWindowText(text);
    return std::atol(text.GetString());
}

}  // namespace

BEGIN_MESSAGE_MAP(CZaehler, FunctionParamForm)
ON_BN_CLICKED(kHours, OnModus)
ON_BN_CLICKED(kPulses, OnModus)
ON_EN_CHANGE(kPosition, OnPosition)
ON_EN_CHANGE(kMinutes, OnMinutes)
END_MESSAGE_MAP()

const forms::FunctionKind CZaehler::kKind{texts::kTypeZaehler, ui::kTitleZaehler, false};

CZaehler::CZaehler() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CZaehler::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kPosition, m_position);
    DDX_Control(dx, kMinutes, m_minutes);
}

void CZaehler::ShowSpecial()
{
    const BYTE* r = Record();
    const bool pulses = ReadField(r, kModeField) == kZaehlerImpulse;
    if (m_showEdits) {
        m_position.LimitText(5);
        m_minutes.LimitText(2);
    }
    SetCaption(kDivisorLabel, pulses ? ui::kZaehlerDivisorLabel : "");
    if (CWnd* divisor = GetDlgItem(kDivisor))
        divisor->ShowWindow(pulses ? SW_SHOW : SW_HIDE);
    SetDlgItemText(kPositionBox, pulses ? ui::kZaehlerPulsesGroup : ui::kZaehlerHoursGroup);
    SetCaption(kPositionUnit, pulses ? ui::kUnitPulses : ui::kUnitHours);
    SetCaption(kMinutesUnit, pulses ? "" : ui::kUnitMinutes);
    m_minutes.ShowWindow(pulses ? SW_HIDE : SW_SHOW);
    if (m_showEdits) {
        // Setting an edit's text reports a change, which stores the same value again.
        const auto position = static_cast<unsigned long>(ReadField(r, kPositionField));
        m_position.SetWindowText(CString(platform::FormatC("%lu", position)));
        if (!pulses)
            m_minutes.SetWindowText(CString(platform::FormatC("%ld", ReadField(r, kMinutesField))));
        m_showEdits = false;
    }
}

void CZaehler::OnModus()
{
    const long mode = IsDlgButtonChecked(kPulses) == BST_CHECKED ? kZaehlerImpulse : kZaehlerStunden;
    if (mode == ReadField(Record(), kModeField))
        return;
    WriteField(Record(), kModeField, mode);
    WriteField(Record(), kPositionField, 0);
    WriteField(Record(), kMinutesField, 0);
    m_showEdits = true;
    ShowRecord(false);
}

void CZaehler::OnPosition()
{
    WriteField(Record(), kPositionField, EditNumber(m_position));
}

void CZaehler::OnMinutes()
{
    WriteField(Record(), kMinutesField, EditNumber(m_minutes));
}

void CZaehler::CheckAndSave()
{
    const auto position = static_cast<unsigned long>(ReadField(Record(), kPositionField));
    const bool hours = ReadField(Record(), kModeField) == kZaehlerStunden;
    if (position > kLastPosition || (hours && ReadField(Record(), kMinutesField) > kLastMinute)) {
        messages::Show(m_hWnd, messages::kZaehlerPositionInvalid);
        return;
    }
    SaveAndExit();
}
