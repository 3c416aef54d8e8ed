// The drawing evaluation dialog: start from the timer, the checks' progress shown, the verdict kept.
#include "evaluation/CZeichnungAuswertenDlg.h"

#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

BEGIN_MESSAGE_MAP(CZeichnungAuswertenDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CZeichnungAuswertenDlg::CZeichnungAuswertenDlg(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                                               CWnd* parent)
    : CDialog(IDD_ZEICHNUNG_AUSWERTEN, parent), m_checker(request, channel, this)
{
}

CZeichnungAuswertenDlg::~CZeichnungAuswertenDlg() = default;

void CZeichnungAuswertenDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS, m_Progress);
    DDX_Text(dx, IDC_EVAL_INTRO, m_strIntro);
    DDX_Text(dx, IDC_STATUS_TEXT, m_strStatus);
}

BOOL CZeichnungAuswertenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kEvalTitle);
    SetDlgItemText(IDC_EVAL_GROUP, ui::kEvalGroup);
    m_strIntro = ui::kEvalIntro;
    m_strStatus = ui::kEvalInit;
    m_Progress.SetRange(1, 100);
    m_Progress.SetPos(0);
    UpdateData(FALSE);
    SetTimer(kTimerStart, 10);
    return TRUE;
}

// Enter, Esc and the close request would end the dialog before or without the evaluation; only the dialog itself
// ends its loop.
void CZeichnungAuswertenDlg::OnOK() {}

void CZeichnungAuswertenDlg::OnCancel()
{
    if (m_bEnding) CDialog::OnCancel();
}

void CZeichnungAuswertenDlg::OnTimer(UINT_PTR)
{
    KillTimer(kTimerStart);
    if (m_bAusgewertet) return;
    Auswerten();
    m_bEnding = true;
    EndDialog(IDCANCEL);
}

void CZeichnungAuswertenDlg::SetStatus(const char* text)
{
    m_strStatus = text;
    if (GetSafeHwnd() != nullptr) SetDlgItemText(IDC_STATUS_TEXT, text);
}

void CZeichnungAuswertenDlg::SetProgress(int position)
{
    if (m_Progress.GetSafeHwnd() != nullptr) m_Progress.SetPos(position);
}

BYTE CZeichnungAuswertenDlg::Auswerten()
{
    CWaitCursor wait;
    m_bAusgewertet = true;
    m_verdict = m_checker.Run();
    return m_verdict;
}
