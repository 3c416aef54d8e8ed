// The boiler cascade's service dialog: texts and selections from the record at the start, validated writes on OK.
#include "forms/heating/CKesselServiceDlg.h"

#include "platform/CDataExchange.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/KesselkaskadeParam.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr UINT kPlaces[] = {IDC_KASK_SERVICE_PLACE_A, IDC_KASK_SERVICE_PLACE_B, IDC_KASK_SERVICE_PLACE_C};
constexpr UINT kPlaceLabels[] = {IDC_KASK_SERVICE_PLACE_LABEL_A, IDC_KASK_SERVICE_PLACE_LABEL_B,
                                 IDC_KASK_SERVICE_PLACE_LABEL_C};
constexpr UINT kChecks[] = {IDC_KASK_SERVICE_CHANGE_A, IDC_KASK_SERVICE_CHANGE_B, IDC_KASK_SERVICE_CHANGE_C};
constexpr UINT kRunLabels[] = {IDC_KASK_SERVICE_HOURS_LABEL_A, IDC_KASK_SERVICE_HOURS_LABEL_B,
                               IDC_KASK_SERVICE_HOURS_LABEL_C};
constexpr UINT kCounters[] = {IDC_KASK_SERVICE_HOURS_A, IDC_KASK_SERVICE_HOURS_B, IDC_KASK_SERVICE_HOURS_C};
constexpr UINT kUnits[] = {IDC_KASK_SERVICE_UNIT_A, IDC_KASK_SERVICE_UNIT_B, IDC_KASK_SERVICE_UNIT_C};
constexpr std::uint32_t kMaxHours = 65535;

}  // namespace

CKesselServiceDlg::CKesselServiceDlg(KesselkaskadeParam* record, CWnd* parent)
    : CDialog(IDD_KESSEL_SERVICE, parent), m_pRecord(record), m_nKessel(record->boilerCount)
{}

CKesselServiceDlg::~CKesselServiceDlg() = default;

void CKesselServiceDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_Ok);
    DDX_Control(dx, IDCANCEL, m_Abbrechen);
    DDX_Control(dx, IDC_KASK_SERVICE_SEQUENCE, m_Sequenz);
    DDX_Control(dx, IDC_KASK_SERVICE_CHANGE, m_Wechsel);
    DDX_Control(dx, IDC_KASK_SERVICE_DIFF, m_Differenz);
    for (int b = 0; b < kKessel; ++b) {
        DDX_Control(dx, static_cast<int>(kPlaces[b]), m_Platz[b]);
        DDX_Control(dx, static_cast<int>(kChecks[b]), m_Teilnahme[b]);
        DDX_Control(dx, static_cast<int>(kCounters[b]), m_Zaehler[b]);
        DDX_Text(dx, static_cast<int>(kPlaceLabels[b]), m_strPlatz[b]);
        DDX_Text(dx, static_cast<int>(kRunLabels[b]), m_strDauer[b]);
        DDX_Text(dx, static_cast<int>(kUnits[b]), m_strEinheit[b]);
    }
    DDX_Text(dx, IDC_KASK_SERVICE_DIFF_UNIT, m_strDiffEinheit);
    DDX_Text(dx, IDC_KASK_SERVICE_DIFF_LABEL, m_strDiffLabel);
}

BOOL CKesselServiceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kKaskService);
    m_Ok.SetWindowText(ui::kButtonOk);
    m_Abbrechen.SetWindowText(ui::kButtonCancel);
    m_Sequenz.SetWindowText(ui::kServiceSequence);
    m_Wechsel.SetWindowText(ui::kServiceChange);
    // Boiler C's texts stand also with two boilers; its controls are then disabled.
    for (int b = 0; b < kKessel; ++b) {
        CString name;
        name.Format(ui::kServiceBoiler, ui::kServiceBoilerName, ui::kKaskBoilerLetters[b]);
        m_strPlatz[b] = name;
        m_Teilnahme[b].SetWindowText(name);
        m_strDauer[b] = ui::kServiceRunTime;
        m_strEinheit[b] = ui::kServiceHours;
        m_Zaehler[b].LimitText(5);
    }
    m_strDiffEinheit = ui::kServiceHours;
    m_strDiffLabel = ui::kServiceDifference;

    for (int b = 0; b < kKessel; ++b) {
        m_Platz[b].ResetContent();
        for (int i = 1; i <= m_nKessel && i <= kKessel; ++i) {
            CString item;
            item.Format(ui::kServicePlace, i);
            m_Platz[b].InsertString(i - 1, item);
        }
        const KesselBlock& block = m_pRecord->boilers[b];
        const bool inUse = b < InUse();
        m_Platz[b].SetCurSel(inUse ? block.position - 1 : -1);
        m_Platz[b].EnableWindow(inUse);
        m_Teilnahme[b].SetCheck(inUse && block.autoChange != 0 ? BST_CHECKED : BST_UNCHECKED);
        m_Teilnahme[b].EnableWindow(inUse);
        CString hours;
        if (inUse)
            hours.Format("%0d", static_cast<int>(block.hours));
        m_Zaehler[b].SetWindowText(hours);
        m_Zaehler[b].EnableWindow(inUse);
    }
    m_Differenz.SetCurSel(m_pRecord->hourDifference - 1);
    UpdateData(FALSE);
    return TRUE;
}

void CKesselServiceDlg::OnOK()
{
    std::uint32_t hours[kKessel] = {};
    for (int b = 0; b < InUse(); ++b) {
        CString text;
        m_Zaehler[b].GetWindowText(text);
        hours[b] = static_cast<std::uint32_t>(std::atoi(text.GetString()));
    }
    for (std::uint32_t h : hours) {
        if (h > kMaxHours) {
            messages::Show(m_hWnd, messages::kServiceCounterInvalid);
            return;
        }
    }
    for (int b = 0; b < InUse(); ++b) {
        KesselBlock& block = m_pRecord->boilers[b];
        block.hours = hours[b];
        block.position = static_cast<BYTE>(m_Platz[b].GetCurSel() + 1);
        block.autoChange = m_Teilnahme[b].GetCheck() == BST_CHECKED ? 1 : 0;
    }
    m_pRecord->hourDifference = static_cast<BYTE>(m_Differenz.GetCurSel() + 1);
    CDialog::OnOK();
}
