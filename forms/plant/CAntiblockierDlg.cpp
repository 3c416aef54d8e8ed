// The anti-seize dialog.
#include "forms/plant/CAntiblockierDlg.h"

#include "forms/dialogs/SaveRefusal.h"
#include "forms/frame/FormLayout.h"
#include "forms/plant/PlantTemplates.h"
#include "platform/CDataExchange.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/ProductionTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"

CAntiblockierDlg::CAntiblockierDlg(CWnd* parent) : CDialog(IDD_ANTIBLOCKIER, parent)
{
    forms::EnsureTemplate(IDD_ANTIBLOCKIER, &plant::AntiblockierTemplate);
}

CAntiblockierDlg::~CAntiblockierDlg() = default;

void CAntiblockierDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ANTIBL_TIME, m_time);
}

BOOL CAntiblockierDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CParaDaten para;
    CParaCheck check;
    SetWindowText(ui::kAntiblCaption);
    SetDlgItemText(IDOK, ui::kDialogOk);
    SetDlgItemText(IDCANCEL, ui::kDialogCancel);
    SetDlgItemText(IDC_ANTIBL_TIME_LABEL, ui::kAntiblAt);
    SetDlgItemText(IDC_ANTIBL_TIME_UNIT, ui::kAntiblHour);
    SetDlgItemText(IDC_ANTIBL_OUTPUTS_GROUP, ui::kAntiblOutputs);
    for (int d = 0; d < 7; ++d)
        SetDlgItemText(static_cast<int>(kAntiblockierDays[d]), ui::kAntiblDays[d]);
    for (int k = 1; k <= 16; ++k) {
        CString caption;
        if (k <= 14)
            caption.Format("%s%d", ui::kAntiblOutputPrefix, k);
        else
            caption.Format("%s%d (=%s)", ui::kAntiblOutputPrefix, k, ui::kAusgangAnalog);
        SetDlgItemText(static_cast<int>(kAntiblockierOutputs[k - 1]), caption);
    }

    // A record that cannot be read shows as the repair leaves the blank one.
    para.GetAntiblockierschutz(CParaDaten::kWorkFile, m_param);
    check.CheckAntiblockierschutz(m_param);
    m_time.SetCurSel(m_param.time);
    for (int d = 0; d < 7; ++d)
        CheckDlgButton(static_cast<int>(kAntiblockierDays[d]), m_param.weekdays[d] ? BST_CHECKED : BST_UNCHECKED);
    for (int k = 0; k < 16; ++k)
        CheckDlgButton(static_cast<int>(kAntiblockierOutputs[k]), m_param.outputs[k] ? BST_CHECKED : BST_UNCHECKED);
    UpdateData(FALSE);
    return TRUE;
}

void CAntiblockierDlg::OnOK()
{
    if (const int time = m_time.GetCurSel(); time >= 0)
        m_param.time = static_cast<BYTE>(time);
    auto ticked = [this](UINT id) -> BYTE { return IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED ? 1 : 0; };
    for (int d = 0; d < 7; ++d)
        m_param.weekdays[d] = ticked(kAntiblockierDays[d]);
    for (int k = 0; k < 16; ++k)
        m_param.outputs[k] = ticked(kAntiblockierOutputs[k]);
    CParaDaten para;
    if (!para.SetAntiblockierschutz(CParaDaten::kWorkFile, m_param)) {
        forms::RefuseSave(this);  // the dialog stays open with the settings
        return;
    }
    CDialog::OnOK();
}
