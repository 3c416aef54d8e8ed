// The heat meter's parameter form: its rows for the function form frame, the two layouts, the typed numbers and the
// checks of the save.
#include "forms/solar/CWMZ.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CWMZVarIn.h"
#include "forms/solar/WMZForm.h"

#include "platform/CDataExchange.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/WMZParam.h"
#include "texttables/StandardDesignations.h"

#include <cstring>
#include <initializer_list>

FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(WMZ, SaveChecked)

namespace {

using namespace forms;
using namespace wmz;
using R = WMZParam;
using Rows = FieldTable<record::kWmzFields>;

enum : UINT {
    kFactorLabel = 1730, kFactor = 1286, kFactorUnit = 1778, kFlowLabel = 1731, kFlow = 1314, kFlowUnit = 1779,
    kCalibrationGroup = 1732, kCalibrationSet = 1212, kSystemLabel = 1782, kFromA318 = 1780, kBeforeA318 = 1781,
    kTempHeading = 1733, kLowerLabel = 1734, kLowerUnit = 1783, kUpperLabel = 1735,
    kUpperUnit = 1784, kDiffHeading = 1736, kLowerDiffLabel = 1737, kLowerDiffUnit = 1785,
    kUpperDiffLabel = 1738, kUpperDiffUnit = 1786, kQuantityGroup = 1739, kReadingLabel = 1740,
};

// Captions and units start empty: the mode and the calibration layout set them. The calibration block comes last,
// so the factor layout, which hides it, leaves no gap.
const std::vector<LayoutGroup> kLayout = {
    {0, nullptr,
     {{kFactorLabel, "", kFactor, ControlKind::Combo, nullptr, {}, kFactorUnit},
      {kFlowLabel, "", kFlow, ControlKind::Combo, nullptr, {}, kFlowUnit}}},
    {kQuantityGroup, ui::kWmzQuantityGroup,
     {{kReadingLabel, ui::kWmzReading, kMwh, ControlKind::Digits, ui::kUnitMwh},
      {0, nullptr, kKwh, ControlKind::Edit, ui::kUnitKwh}}},
    {kCalibrationGroup, ui::kWmzCalibrationGroup,
     {{0, ui::kWmzCalibrationSet, 0, ControlKind::None, nullptr, {}, 0, {}, kCalibrationSet},
      {kSystemLabel, "", 0, ControlKind::None},
      {0, nullptr, kFromA318, ControlKind::Radios, nullptr,
       {{kFromA318, ui::kWmzFromA318, 96}, {kBeforeA318, ui::kWmzBeforeA318, 96}}},
      {kTempHeading, "", 0, ControlKind::None},
      {kLowerLabel, "", kLower, ControlKind::Edit, nullptr, {}, kLowerUnit},
      {kUpperLabel, "", kUpper, ControlKind::Edit, nullptr, {}, kUpperUnit},
      {kDiffHeading, "", 0, ControlKind::None},
      {kLowerDiffLabel, "", kLowerDiff, ControlKind::Edit, nullptr, {}, kLowerDiffUnit},
      {kUpperDiffLabel, "", kUpperDiff, ControlKind::Edit, nullptr, {}, kUpperDiffUnit}}},
};

// The fixed flow counts only while no flow input is connected; its items are 50 l/h each.
const std::vector<ValueControl> kValues = {
    {kFlow, Edits(Rows::Row(offsetof(R, flowRate.number))), 0, {resources::ScaledList(0, 200, 50, 8).items},
     {false, RECORD_FIELD(R, flowRate.kind), 0}},
};

// The captions of the calibration block in the layout before A3.18 (four values) and from it (one difference).
constexpr struct {
    UINT id;
    const char* before;
    const char* from;
} kCalibrationCaptions[] = {
    {kTempHeading, ui::kWmzCalibrationTemp, ""},   {kLowerLabel, ui::kWmzLower, ui::kWmzCommonDiff},
    {kLowerUnit, ui::kUnitDegrees, ui::kUnitKelvin}, {kUpperLabel, ui::kWmzUpper, ""},
    {kUpperUnit, ui::kUnitDegrees, ""},              {kDiffHeading, ui::kWmzDiff, ""},
    {kLowerDiffLabel, ui::kWmzLower, ""},            {kLowerDiffUnit, ui::kUnitKelvin, ""},
    {kUpperDiffLabel, ui::kWmzUpper, ""},            {kUpperDiffUnit, ui::kUnitKelvin, ""},
};

CString Hundredths(long value)
{
    CString text;
    text.Format("%03.2f", static_cast<double>(value) / 100.0);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWMZ, FunctionParamForm)
    ON_CBN_SELENDOK(kFactor, OnFrostschutz)
    ON_BN_CLICKED(kCalibrationSet, OnKalibrierung)
    ON_BN_CLICKED(kFromA318, OnBetriebssystem)
    ON_BN_CLICKED(kBeforeA318, OnBetriebssystem)
    ON_CONTROL_RANGE(EN_CHANGE, kLower, kKwh, OnZahl)
END_MESSAGE_MAP()

const forms::FunctionKind CWMZ::kKind {texts::kTypeWMZ, ui::kTitleWMZ, false};

CWMZ::CWMZ() : FunctionParamForm({kKind, kLayout, kValues}) {}

void CWMZ::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kFactor, m_factor);
    for (size_t i = 0; i < 6; ++i)
        DDX_Control(dx, static_cast<int>(kEdits[i].id), m_edits[i]);
}

WMZParam CWMZ::Fields() const
{
    WMZParam r;
    std::memcpy(&r, Record(), sizeof r);
    return r;
}

void CWMZ::SetFields(const WMZParam& r)
{
    std::memcpy(Record(), &r, sizeof r);
}

void CWMZ::LoadSpecial()
{
    const WMZParam r = Fields();
    m_temperatureMode = r.flowTemp.kind != 0 && r.returnTemp.kind != 0;
    // The calibration layout starts from the record in both modes: the save reads it whenever a calibration is set.
    m_oldVersion = r.upperDiff != r.lowerDiff ? 1 : 0;
    const std::vector<CString> items =
        m_temperatureMode ? resources::NumberList(0, 100, 6).items : resources::NumberList(1, 100, 6).items;
    m_factor.ResetContent();
    for (const CString& item : items)
        m_factor.AddString(item);
    SetCaption(kFactorLabel, m_temperatureMode ? ui::kWmzFrostProtection : ui::kWmzFactor);
    if (m_temperatureMode) {
        SetCaption(kFactorUnit, "%");
        SetCaption(kFlowLabel, ui::kWmzFlow);
        SetCaption(kFlowUnit, ui::kUnitFlow);
        SetCaption(kSystemLabel, ui::kWmzSystem);
    } else {
        for (const UINT id : std::initializer_list<UINT> {kFlow, kCalibrationGroup, kCalibrationSet, kFromA318, kBeforeA318, kLower, kUpper,
                              kLowerDiff, kUpperDiff})
            if (CWnd* control = GetDlgItem(static_cast<int>(id)))
                control->ShowWindow(SW_HIDE);
    }
    for (size_t i = 0; i < 6; ++i)
        m_edits[i].LimitText(kEdits[i].limit);
    m_showCalibration = true;
    m_showQuantity = true;
}

void CWMZ::CheckRecord()
{
    const WMZParam typed = Fields();
    FunctionParamForm::CheckRecord();
    // A show that leaves the calibration block or the counter position alone (a designation change) keeps the
    // person's typed texts in the edits, and so keeps their values in the record as well: the save judges what the
    // edits show and refuses it with its own message when it is out of range, never writing a repaired value nobody
    // saw.
    WMZParam r = Fields();
    if (!m_showCalibration) {
        r.calibrated = typed.calibrated;
        r.upperTemp = typed.upperTemp;
        r.upperDiff = typed.upperDiff;
        r.lowerTemp = typed.lowerTemp;
        r.lowerDiff = typed.lowerDiff;
    }
    if (!m_showQuantity) {
        r.readingKwh = typed.readingKwh;
        r.readingMwh = typed.readingMwh;
    }
    SetFields(r);
}

void CWMZ::SetEditText(UINT id, const CString& text)
{
    if (CWnd* edit = GetDlgItem(static_cast<int>(id)))
        edit->SetWindowText(text);
}

void CWMZ::ShowSpecial()
{
    m_updating = true;
    const WMZParam r = Fields();
    const bool calibrated = r.calibrated != 0;
    m_factor.SetCurSel(m_temperatureMode ? r.factor : r.factor - 1);
    if (m_showCalibration && m_temperatureMode) {
        const bool old = m_oldVersion == 1;
        for (const auto& caption : kCalibrationCaptions)
            SetCaption(caption.id, old ? caption.before : caption.from);
        for (const UINT id : std::initializer_list<UINT> {kUpper, kLowerDiff, kUpperDiff})
            if (CWnd* edit = GetDlgItem(static_cast<int>(id)))
                edit->ShowWindow(old ? SW_SHOW : SW_HIDE);
        for (const UINT id : std::initializer_list<UINT> {kFromA318, kBeforeA318, kLower, kUpper, kLowerDiff, kUpperDiff})
            if (CWnd* control = GetDlgItem(static_cast<int>(id)))
                control->EnableWindow(calibrated);
    }
    if (m_showCalibration) {
        const bool shown = m_temperatureMode && calibrated;
        CheckDlgButton(kCalibrationSet, shown ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(kFromA318, shown && m_oldVersion == 0 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(kBeforeA318, shown && m_oldVersion == 1 ? BST_CHECKED : BST_UNCHECKED);
        if (!shown) {
            for (const UINT id : std::initializer_list<UINT> {kLower, kUpper, kLowerDiff, kUpperDiff})
                SetEditText(id, "");
        } else if (m_oldVersion == 1) {
            SetEditText(kLower, Hundredths(r.lowerTemp));
            SetEditText(kLowerDiff, Hundredths(r.lowerDiff));
            SetEditText(kUpper, Hundredths(r.upperTemp));
            SetEditText(kUpperDiff, Hundredths(r.upperDiff));
        } else {
            SetEditText(kLower, Hundredths(r.lowerDiff));
        }
    }
    if (m_showQuantity) {
        CString mwh;
        CString kwh;
        mwh.Format("%0u", static_cast<unsigned>(r.readingMwh));
        kwh.Format("%02.1f", static_cast<double>(r.readingKwh) / 10.0);
        SetEditText(kMwh, mwh);
        SetEditText(kKwh, kwh);
    }
    m_showCalibration = false;
    m_showQuantity = false;
    m_updating = false;
}

void CWMZ::OnFrostschutz()
{
    const int index = m_factor.GetCurSel();
    if (index < 0)
        return;
    WMZParam r = Fields();
    r.factor = static_cast<BYTE>(m_temperatureMode ? index : index + 1);
    SetFields(r);
}

void CWMZ::OnKalibrierung()
{
    WMZParam r = Fields();
    r.calibrated = r.calibrated ? 0 : 1;
    SetFields(r);
    m_showCalibration = true;
    ShowRecord(false);
}

void CWMZ::OnBetriebssystem()
{
    const int layout = IsDlgButtonChecked(kFromA318) ? 0 : 1;
    if (layout == m_oldVersion)
        return;
    m_oldVersion = layout;
    WMZParam r = Fields();
    if (!CalibrationInRange(r)) {
        messages::Show(m_hWnd, messages::kWmzLayoutReset);
        ResetCalibration(r);
        SetFields(r);
    }
    m_showCalibration = true;
    ShowRecord(false);
}

