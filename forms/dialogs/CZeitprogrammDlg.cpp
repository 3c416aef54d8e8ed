// The time-program dialog: working copy, repair, show, the handlers and the copy-out on OK.
#include "forms/dialogs/CZeitprogrammDlg.h"

#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaCheck.h"

#include <cstring>

namespace {

constexpr BYTE kHoechstesProgramm = kZeitprogramme;

constexpr UINT kTagIds[CZeitprogrammDlg::kTage] = {IDC_ZP_MONDAY, IDC_ZP_TUESDAY,  IDC_ZP_WEDNESDAY, IDC_ZP_THURSDAY,
                                                   IDC_ZP_FRIDAY, IDC_ZP_SATURDAY, IDC_ZP_SUNDAY};
struct FensterIds {
    UINT start, ende, soll, ora;
};
constexpr FensterIds kFensterIds[CZeitprogrammDlg::kFenster] = {
    {IDC_ZP_START1, IDC_ZP_END1, IDC_ZP_SETPOINT1, IDC_ZP_HOUR1},
    {IDC_ZP_START2, IDC_ZP_END2, IDC_ZP_SETPOINT2, IDC_ZP_HOUR2},
    {IDC_ZP_START3, IDC_ZP_END3, IDC_ZP_SETPOINT3, IDC_ZP_HOUR3},
};

// A box's selection as a byte, or the byte as it was when the box shows no selection.
BYTE SelectionOr(const CComboBox& box, BYTE kept)
{
    const int selected = box.GetCurSel();
    return selected < 0 ? kept : static_cast<BYTE>(selected);
}

}  // namespace

BEGIN_MESSAGE_MAP(CZeitprogrammDlg, CDialog)
    ON_CBN_SELENDOK(IDC_ZP_PROGRAMS, OnAnzahlProgramme)
    ON_CBN_SELENDOK(IDC_ZP_WINDOWS, OnAnzahlFenster)
    ON_CBN_SELENDOK(IDC_ZP_SETPOINTS, OnSollwert)
    ON_NOTIFY(TCN_SELCHANGE, IDC_ZP_TABS, OnProgrammWechsel)
    ON_BN_CLICKED(IDC_ZP_MONDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_TUESDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_WEDNESDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_THURSDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_FRIDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_SATURDAY, OnProgrammGeaendert)
    ON_BN_CLICKED(IDC_ZP_SUNDAY, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_START1, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_END1, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_SETPOINT1, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_START2, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_END2, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_SETPOINT2, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_START3, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_END3, OnProgrammGeaendert)
    ON_CBN_SELENDOK(IDC_ZP_SETPOINT3, OnProgrammGeaendert)
END_MESSAGE_MAP()

CZeitprogrammDlg::CZeitprogrammDlg(BYTE first, BYTE choices, BYTE* programs, BYTE* windows, BYTE* setpoints,
                                   Zeitprogramm* block, CWnd* parent)
    : CDialog(IDD_ZEITPROGRAMM, parent), m_pProgramme(programs), m_pFenster(windows), m_pSollwert(setpoints),
      m_pBlock(block), m_nErstes(first > kHoechstesProgramm ? 4 : first), m_nAuswahl(choices)
{
    if (m_nErstes + m_nAuswahl - 1 > kHoechstesProgramm)
        m_nAuswahl = static_cast<BYTE>(kHoechstesProgramm + 1 - m_nErstes);
}

CZeitprogrammDlg::~CZeitprogrammDlg() = default;

void CZeitprogrammDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ZP_PROGRAMS, m_Programme);
    DDX_Control(dx, IDC_ZP_WINDOWS, m_FensterZahl);
    DDX_Control(dx, IDC_ZP_SETPOINTS, m_Sollwert);
    DDX_Control(dx, IDC_ZP_TABS, m_Tabs);
    for (int d = 0; d < kTage; ++d)
        DDX_Control(dx, static_cast<int>(kTagIds[d]), m_Tage[d]);
    for (int w = 0; w < kFenster; ++w) {
        DDX_Control(dx, static_cast<int>(kFensterIds[w].start), m_Boxen[w].start);
        DDX_Control(dx, static_cast<int>(kFensterIds[w].ende), m_Boxen[w].ende);
        DDX_Control(dx, static_cast<int>(kFensterIds[w].soll), m_Boxen[w].soll);
        DDX_Text(dx, static_cast<int>(kFensterIds[w].ora), m_strOra[w]);
    }
    DDX_Text(dx, IDC_ZP_PROGRAMS_LABEL, m_strProgramme);
    DDX_Text(dx, IDC_ZP_WINDOWS_LABEL, m_strFenster);
    DDX_Text(dx, IDC_ZP_SETPOINTS_LABEL, m_strSollwert);
}

BOOL CZeitprogrammDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kZeitprogrammTitle);
    SetDlgItemText(IDOK, ui::kButtonOk);
    SetDlgItemText(IDCANCEL, ui::kButtonCancel);
    SetDlgItemText(IDC_ZP_OPTIONS, ui::kZeitprogrammOptions);
    m_strProgramme = ui::kZeitprogrammCount;
    m_strFenster = ui::kZeitprogrammWindows;
    m_strSollwert = ui::kZeitprogrammSetpoints;

    m_Sollwert.ResetContent();
    m_Sollwert.InsertString(0, ui::kZeitprogrammNo);
    m_Sollwert.InsertString(1, ui::kZeitprogrammYes);

    for (int d = 0; d < kTage; ++d)
        m_Tage[d].SetWindowText(ui::kZeitprogrammDays[d]);
    for (CString& ora : m_strOra)
        ora = ui::kZeitprogrammHour;

    m_nAktuell = 1;
    for (int k = 0; k < m_nAuswahl; ++k)
        m_Programme.AddString(resources::PaddedNumber(m_nErstes + k, 2));

    CopyIn();
    ShowProgram(true);
    return TRUE;
}

void CZeitprogrammDlg::CopyIn()
{
    m_nProgramme = *m_pProgramme;
    m_nFenster = *m_pFenster;
    m_nSollwert = *m_pSollwert;
    std::memcpy(m_Block, m_pBlock, sizeof m_Block);
}

void CZeitprogrammDlg::CopyOut()
{
    *m_pProgramme = m_nProgramme;
    *m_pFenster = m_nFenster;
    *m_pSollwert = m_nSollwert;
    std::memcpy(m_pBlock, m_Block, sizeof m_Block);
}

void CZeitprogrammDlg::CheckPrograms()
{
    CParaCheck check;
    check.CheckZeitprogramm(m_nErstes, &m_nProgramme, &m_nFenster, m_Block);
}

void CZeitprogrammDlg::ShowFenster(int w, bool inUse, const Zeitfenster& values)
{
    FensterBoxen& boxes = m_Boxen[w];
    boxes.start.SetCurSel(inUse ? values.start : -1);
    boxes.ende.SetCurSel(inUse ? values.end : -1);
    boxes.soll.SetCurSel(inUse && m_nSollwert != 0 ? values.setpoint : -1);
}

void CZeitprogrammDlg::ShowProgram(bool refillTabs)
{
    CheckPrograms();
    m_Programme.SetCurSel(m_nProgramme - m_nErstes);
    m_FensterZahl.SetCurSel(m_nFenster - 1);
    m_Sollwert.SetCurSel(m_nSollwert);

    if (refillTabs) {
        m_Tabs.DeleteAllItems();
        for (int k = 1; k <= m_nProgramme; ++k) {
            CString text;
            text.Format(ui::kZeitprogrammTab, k);
            m_Tabs.InsertItem(k - 1, text);
        }
        // Selects the tab; the change notification finds it current already.
        if (m_nAktuell >= 1)
            m_Tabs.SetCurFocus(m_nAktuell - 1);
    }

    const bool anyProgram = m_nProgramme != 0 && m_nAktuell >= 1 && m_nAktuell <= kZeitprogramme;
    for (int d = 0; d < kTage; ++d) {
        m_Tage[d].EnableWindow(anyProgram);
        m_Tage[d].SetCheck(anyProgram && Current().days[d] != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    for (int w = 0; w < kFenster; ++w) {
        const bool inUse = anyProgram && w < m_nFenster;
        m_Boxen[w].start.EnableWindow(inUse);
        m_Boxen[w].ende.EnableWindow(inUse);
        m_Boxen[w].soll.EnableWindow(inUse && m_nSollwert != 0);
        ShowFenster(w, inUse, anyProgram ? Current().windows[w] : Zeitfenster());
    }
    UpdateData(FALSE);
}

void CZeitprogrammDlg::OnAnzahlProgramme()
{
    const int selected = m_Programme.GetCurSel();
    if (selected < 0)
        return;
    m_nProgramme = static_cast<BYTE>(selected + m_nErstes);
    m_nAktuell = m_nProgramme;
    ShowProgram(true);
}

void CZeitprogrammDlg::OnAnzahlFenster()
{
    const int selected = m_FensterZahl.GetCurSel();
    if (selected < 0)
        return;
    m_nFenster = static_cast<BYTE>(selected + 1);
    ShowProgram(false);
}

void CZeitprogrammDlg::OnSollwert()
{
    const int selected = m_Sollwert.GetCurSel();
    if (selected < 0)
        return;
    m_nSollwert = selected != 0 ? 1 : 0;
    ShowProgram(false);
}

void CZeitprogrammDlg::OnProgrammWechsel(NMHDR*, LRESULT* result)
{
    const int focused = m_Tabs.GetCurFocus();
    if (focused >= 0 && focused + 1 != m_nAktuell) {
        m_nAktuell = static_cast<BYTE>(focused + 1);
        ShowProgram(false);
    }
    *result = 0;
}

void CZeitprogrammDlg::OnProgrammGeaendert()
{
    if (m_nAktuell < 1 || m_nAktuell > kZeitprogramme)
        return;
    Zeitprogramm& program = Current();
    for (int d = 0; d < kTage; ++d)
        program.days[d] = m_Tage[d].GetCheck() == BST_CHECKED ? 1 : 0;
    // Windows beyond the count keep their bytes, and so does every box that shows no selection.
    const int used = m_nFenster >= 1 && m_nFenster <= kFenster ? m_nFenster : 1;
    for (int w = used - 1; w >= 0; --w) {
        Zeitfenster& window = program.windows[w];
        window.start = SelectionOr(m_Boxen[w].start, window.start);
        window.end = SelectionOr(m_Boxen[w].ende, window.end);
        window.setpoint = SelectionOr(m_Boxen[w].soll, window.setpoint);
    }
}

void CZeitprogrammDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CopyOut();
    EndDialog(IDOK);
}
