// The heating-curve dialog: its template, the show of the working copy, the handlers and the write-back on OK.
#include "forms/heating/CHzkrHeizkurveDlg.h"

#include "forms/frame/FormLayout.h"
#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "texttables/StandardDesignations.h"

BEGIN_MESSAGE_MAP(CHzkrHeizkurveDlg, CDialog)
ON_BN_CLICKED(IDC_HZKR_FIXED, OnRegelungsModus)
ON_BN_CLICKED(IDC_HZKR_OUTSIDE, OnRegelungsModus)
ON_BN_CLICKED(IDC_HZKR_TEMPERATURES, OnKurvenModus)
ON_BN_CLICKED(IDC_HZKR_SLOPE, OnKurvenModus)
ON_CBN_SELENDOK(IDC_HZKR_ROOM_INFLUENCE, OnRaumeinfluss)
ON_CBN_SELENDOK(IDC_HZKR_RAISE, OnEinschaltueberhoehung)
ON_CBN_SELENDOK(IDC_HZKR_FLOW_MAX, OnVorlaufGrenzen)
ON_CBN_SELENDOK(IDC_HZKR_FLOW_MIN, OnVorlaufGrenzen)
ON_CBN_SELENDOK(IDC_HZKR_CURVE, OnKurvenpunkte)
ON_CBN_SELENDOK(IDC_HZKR_PLUS10, OnKurvenpunkte)
END_MESSAGE_MAP()

namespace {

using platform::ControlClass;

constexpr DWORD kStatic = SS_LEFT | WS_GROUP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;

// Two radio groups side by side, then caption, list and unit rows, then OK and Cancel.
platform::DialogTemplate CurveTemplate()
{
    platform::DialogTemplate t{IDD_HZKR_CURVE,       DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               {0, 0, 220, 196},     "",
                               {"MS Sans Serif", 8}, {}};
    const auto radio = [&](UINT id, int x, int y, bool first) {
        t.controls.push_back(
            {ControlClass::Button, id, BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0u), {x, y, 80, 10}});
    };
    t.controls.push_back({ControlClass::Button, IDC_HZKR_CONTROL_GROUP, BS_GROUPBOX, {8, 7, 98, 44}});
    radio(IDC_HZKR_FIXED, 16, 20, true);
    radio(IDC_HZKR_OUTSIDE, 16, 34, false);
    t.controls.push_back({ControlClass::Button, IDC_HZKR_CURVE_GROUP, BS_GROUPBOX, {114, 7, 98, 44}});
    radio(IDC_HZKR_TEMPERATURES, 122, 20, true);
    radio(IDC_HZKR_SLOPE, 122, 34, false);
    const struct {
        UINT caption, list, unit;
        std::vector<CString> items;
        const char* unitText;
    } rows[] = {
        {IDC_HZKR_PLUS10_LABEL, IDC_HZKR_PLUS10, IDC_HZKR_PLUS10_UNIT, resources::NumberList(20, 99).items, ""},
        {IDC_HZKR_CURVE_LABEL, IDC_HZKR_CURVE, IDC_HZKR_CURVE_UNIT, {}, ""},
        {IDC_HZKR_ROOM_INFLUENCE_LABEL, IDC_HZKR_ROOM_INFLUENCE, 0, resources::NumberList(0, 90).items,
         ui::kUnitPercent},
        {IDC_HZKR_RAISE_LABEL, IDC_HZKR_RAISE, 0, resources::NumberList(0, 20).items, ui::kUnitPercent},
        {IDC_HZKR_FLOW_MAX_LABEL, IDC_HZKR_FLOW_MAX, 0, resources::TemperatureList().items, ui::kUnitDegrees},
        {IDC_HZKR_FLOW_MIN_LABEL, IDC_HZKR_FLOW_MIN, 0, resources::TemperatureList().items, ui::kUnitDegrees},
    };
    int y = 60;
    // The rows start below the box's top line.
    t.controls.push_back({ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {8, y - 8, 204, 108}});
    for (const auto& row : rows) {
        t.controls.push_back({ControlClass::Static, row.caption, kStatic, {16, y + 3, 80, 9}});
        t.controls.push_back({ControlClass::ComboBox, row.list, kList, {100, y, 70, 120}, "", row.items});
        t.controls.push_back(
            {ControlClass::Static, row.unit ? row.unit : IDC_STATIC_ITEM, kStatic, {174, y + 3, 24, 9}, row.unitText});
        y += 16;
    }
    t.controls.push_back({ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {50, 174, 50, 14}});
    t.controls.push_back({ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {120, 174, 50, 14}});
    return t;
}

void Repair(HzkrRegParam& record)
{
    CParaCheck check;
    functypes::FindFunctionType(texts::kTypeHzkrReg)
        ->check(check, CParaDaten::kWorkFile, reinterpret_cast<BYTE*>(&record), 0);
}

}  // namespace

CHzkrHeizkurveDlg::CHzkrHeizkurveDlg(HzkrRegParam* record, CWnd* parent)
    : CDialog(IDD_HZKR_CURVE, parent), m_pRecord(record), m_work(*record)
{
    forms::EnsureTemplate(IDD_HZKR_CURVE, CurveTemplate);
}

CHzkrHeizkurveDlg::~CHzkrHeizkurveDlg() = default;

void CHzkrHeizkurveDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HZKR_ROOM_INFLUENCE, m_Raumeinfluss);
    DDX_Control(dx, IDC_HZKR_RAISE, m_Ueberhoehung);
    DDX_Control(dx, IDC_HZKR_PLUS10, m_Plus10);
    DDX_Control(dx, IDC_HZKR_CURVE, m_Kurve);
    DDX_Control(dx, IDC_HZKR_FLOW_MAX, m_Max);
    DDX_Control(dx, IDC_HZKR_FLOW_MIN, m_Min);
    DDX_Control(dx, IDC_HZKR_SLOPE, m_Steigung);
    DDX_Radio(dx, IDC_HZKR_FIXED, m_nRegelung);
    DDX_Radio(dx, IDC_HZKR_TEMPERATURES, m_nKurve);
    DDX_Text(dx, IDC_HZKR_CURVE_LABEL, m_strKurve);
    DDX_Text(dx, IDC_HZKR_CURVE_UNIT, m_strKurveEinheit);
    DDX_Text(dx, IDC_HZKR_PLUS10_LABEL, m_strPlus10);
    DDX_Text(dx, IDC_HZKR_PLUS10_UNIT, m_strPlus10Einheit);
    DDX_Text(dx, IDC_HZKR_ROOM_INFLUENCE_LABEL, m_strRaum);
    DDX_Text(dx, IDC_HZKR_RAISE_LABEL, m_strUeberhoehung);
    DDX_Text(dx, IDC_HZKR_FLOW_MAX_LABEL, m_strMax);
    DDX_Text(dx, IDC_HZKR_FLOW_MIN_LABEL, m_strMin);
}

BOOL CHzkrHeizkurveDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kHzkrCurveTitle);
    SetDlgItemText(IDOK, ui::kButtonOk);
    SetDlgItemText(IDCANCEL, ui::kButtonCancel);
    SetDlgItemText(IDC_HZKR_CONTROL_GROUP, ui::kHzkrControlGroup);
    SetDlgItemText(IDC_HZKR_FIXED, ui::kHzkrFixed);
    SetDlgItemText(IDC_HZKR_OUTSIDE, ui::kHzkrOutside);
    SetDlgItemText(IDC_HZKR_CURVE_GROUP, ui::kHzkrCurveGroup);
    SetDlgItemText(IDC_HZKR_TEMPERATURES, ui::kHzkrTemperatures);
    SetDlgItemText(IDC_HZKR_SLOPE, ui::kHzkrSlope);
    m_strRaum = ui::kHzkrRoomInfluence;
    m_strUeberhoehung = ui::kHzkrRaise;
    m_strMax = ui::kHzkrFlowMax;
    m_strMin = ui::kHzkrFlowMin;
    m_work = *m_pRecord;
    ShowValues(true);
    return TRUE;
}

void CHzkrHeizkurveDlg::ShowValues(bool refill)
{
    Repair(m_work);
    // A slope exists only for the control by the outside temperature.
    m_Steigung.EnableWindow(m_work.byOutsideTemp != 0);
    const bool slope = m_work.curveBySlope == 1;
    m_strKurve = slope ? ui::kHzkrSlopeLabel : ui::kHzkrMinus20;
    m_strKurveEinheit = slope ? "" : ui::kUnitDegrees;
    m_strPlus10 = slope ? "" : ui::kHzkrPlus10;
    m_strPlus10Einheit = slope ? "" : ui::kUnitDegrees;
    m_Plus10.ShowWindow(slope ? SW_HIDE : SW_SHOW);
    m_nRegelung = m_work.byOutsideTemp;
    m_Raumeinfluss.SetCurSel(m_work.roomInfluence);
    m_Ueberhoehung.SetCurSel(m_work.switchOnRaise);
    m_nKurve = m_work.curveBySlope;
    if (refill) {
        m_Kurve.ResetContent();
        if (slope) {
            for (int i = 0; i < 246; ++i)
                m_Kurve.InsertString(i, CString(platform::FormatC(ui::kHzkrSlopeItem, (i + 5) / 100.0).c_str()));
        } else {
            for (int i = 0; i < 80; ++i)
                m_Kurve.InsertString(i, CString(platform::FormatC(ui::kHzkrCurveItem, i + 20).c_str()));
        }
    }
    if (slope) {
        m_Kurve.SetCurSel(m_work.curve - 5);
    } else {
        m_Kurve.SetCurSel(m_work.curve - 20);
        m_Plus10.SetCurSel(m_work.flowAtPlus10 - 20);
    }
    m_Max.SetCurSel(m_work.flowMax);
    m_Min.SetCurSel(m_work.flowMin);
    UpdateData(FALSE);
}

void CHzkrHeizkurveDlg::OnRegelungsModus()
{
    UpdateData(TRUE);
    if (m_nRegelung >= 0)
        m_work.byOutsideTemp = static_cast<BYTE>(m_nRegelung);
    ShowValues(true);
}

void CHzkrHeizkurveDlg::OnKurvenModus()
{
    UpdateData(TRUE);
    m_work.curveBySlope = m_nKurve == 1 ? 1 : 0;
    ShowValues(true);
}

void CHzkrHeizkurveDlg::OnRaumeinfluss()
{
    m_work.roomInfluence = static_cast<BYTE>(m_Raumeinfluss.GetCurSel());
}

void CHzkrHeizkurveDlg::OnEinschaltueberhoehung()
{
    m_work.switchOnRaise = static_cast<BYTE>(m_Ueberhoehung.GetCurSel());
}

void CHzkrHeizkurveDlg::OnVorlaufGrenzen()
{
    m_work.flowMax = static_cast<BYTE>(m_Max.GetCurSel());
    m_work.flowMin = static_cast<BYTE>(m_Min.GetCurSel());
}

void CHzkrHeizkurveDlg::OnKurvenpunkte()
{
    if (m_work.curveBySlope == 1) {
        m_work.curve = static_cast<BYTE>(m_Kurve.GetCurSel() + 5);
    } else {
        m_work.curve = static_cast<BYTE>(m_Kurve.GetCurSel() + 20);
        m_work.flowAtPlus10 = static_cast<BYTE>(m_Plus10.GetCurSel() + 20);
    }
    // The repair keeps the +10 deg C flow temperature at or below the -20 deg C one, shown at once.
    ShowValues(false);
}

void CHzkrHeizkurveDlg::OnOK()
{
    m_pRecord->byOutsideTemp = m_work.byOutsideTemp;
    m_pRecord->roomInfluence = m_work.roomInfluence;
    m_pRecord->switchOnRaise = m_work.switchOnRaise;
    m_pRecord->curveBySlope = m_work.curveBySlope;
    m_pRecord->curve = m_work.curve;
    m_pRecord->flowAtPlus10 = m_work.flowAtPlus10;
    m_pRecord->flowMax = m_work.flowMax;
    m_pRecord->flowMin = m_work.flowMin;
    CDialog::OnOK();
}
