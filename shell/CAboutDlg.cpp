// The about box.
#include "shell/CAboutDlg.h"

#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_ABOUT_VERSION, m_strVersion);
    DDX_Text(dx, IDC_ABOUT_CONTROLLER, m_strController);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kAboutCaption);
    m_strVersion.Format(ui::kAboutVersionFormat, ui::kProgramVersion);
    m_strController.Format(ui::kAboutControllerFormat, ui::kLowestControllerVersion);
    UpdateData(FALSE);
    return TRUE;
}
