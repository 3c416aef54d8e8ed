// The user-defined designations dialog: the list, the Replace checks and the write on OK.
#include "forms/dialogs/CBezeichnungenDlg.h"

#include "platform/CDataExchange.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/ImageLayout.h"

namespace {

// All 16 designations lie one after the other in the working copy.
constexpr UINT kBlockAddress = layout::UserBezeichnung(1);
constexpr UINT kBlockSize = layout::kUserBezeichnungSize * layout::kUserBezeichnungen;

// The controller shows the codes 32 to 126; the designations reach it byte for byte.
bool IsShownByController(char c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 32 && byte <= 126;
}

}  // namespace

BEGIN_MESSAGE_MAP(CBezeichnungenDlg, CDialog)
    ON_EN_UPDATE(IDC_DESIGNATIONS_EDIT, OnUpdateEdit)
    ON_BN_CLICKED(IDC_DESIGNATIONS_REPLACE, OnErsetzen)
    ON_LBN_SELCHANGE(IDC_DESIGNATIONS_LIST, OnSelchangeList)
    ON_BN_CLICKED(IDC_DESIGNATIONS_OK, OnOkButton)
END_MESSAGE_MAP()

CBezeichnungenDlg::CBezeichnungenDlg(CWnd* parent) : CDialog(IDD_BEZEICHNUNGEN, parent) {}

CBezeichnungenDlg::~CBezeichnungenDlg() = default;

void CBezeichnungenDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDCANCEL, m_Abbrechen);
    DDX_Control(dx, IDC_DESIGNATIONS_OK, m_Ok);
    DDX_Control(dx, IDC_DESIGNATIONS_REPLACE, m_Ersetzen);
    DDX_Control(dx, IDC_DESIGNATIONS_EDIT, m_NeuerText);
    DDX_Control(dx, IDC_DESIGNATIONS_LIST, m_Liste);
    DDX_Text(dx, IDC_BEZ_LABEL, m_strBezLabel);
    DDX_Text(dx, IDC_DESIGNATIONS_CAPTION, m_strNeuLabel);
}

BOOL CBezeichnungenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kDesignationsTitle);
    m_Ok.SetWindowText(ui::kButtonOk);
    m_Abbrechen.SetWindowText(ui::kButtonCancel);
    m_Ersetzen.SetWindowText(ui::kDesignationsReplace);
    m_strBezLabel = ui::kDesignationLabel;
    m_strNeuLabel = ui::kDesignationsReplaceWith;

    // Inserted at their positions, never sorted: entry n - 1 is designation n.
    CParaDaten para;
    for (int n = 1; n <= kAnzahl; ++n)
        m_Liste.InsertString(n - 1, para.GetUserBezeichnung(CParaDaten::kWorkFile, static_cast<BYTE>(n)));

    m_Ersetzen.EnableWindow(FALSE);
    m_NeuerText.LimitText(kMaxZeichen);
    m_strNeu.Empty();
    UpdateData(FALSE);
    return TRUE;
}

void CBezeichnungenDlg::OnSelchangeList()
{
    const int selected = m_Liste.GetCurSel();
    if (selected < 0)
        return;
    m_Liste.GetText(selected, m_strNeu);
    // A change by code: the edit field sends nothing, so the selection stays.
    m_NeuerText.SetWindowText(m_strNeu);
    m_NeuerText.SetFocus();
    m_NeuerText.SetSel(0, -1);
    m_Ersetzen.EnableWindow(m_NeuerText.GetWindowTextLength() > 0);
}

void CBezeichnungenDlg::OnUpdateEdit()
{
    m_Ersetzen.EnableWindow(m_NeuerText.GetWindowTextLength() > 0);
    CString text;
    m_NeuerText.GetWindowText(text);
    if (text != m_strNeu)
        m_strNeu = text;
    else
        OnErsetzen();
}

bool CBezeichnungenDlg::CheckNewText()
{
    if (m_strNeu.IsEmpty()) {
        messages::Show(m_hWnd, messages::kDesignationEmpty);
        return false;
    }
    if (m_strNeu.GetLength() > kMaxZeichen) {
        messages::Show(m_hWnd, messages::kDesignationTooLong);
        return false;
    }
    if (m_Liste.GetCurSel() < 0) {
        messages::Show(m_hWnd, messages::kDesignationNoneSelected);
        return false;
    }
    // Also the degree sign and the umlauts: the designations reach the controller unconverted.
    for (int i = 0; i < m_strNeu.GetLength(); ++i)
        if (!IsShownByController(m_strNeu[i])) {
            messages::Show(m_hWnd, messages::kDesignationInvalidChar);
            return false;
        }
    return true;
}

void CBezeichnungenDlg::OnErsetzen()
{
    if (!CheckNewText())
        return;
    const int selected = m_Liste.GetCurSel();
    m_Liste.DeleteString(static_cast<UINT>(selected));
    m_Liste.InsertString(selected, m_strNeu);
}

void CBezeichnungenDlg::OnOkButton()
{
    CParaDaten para;
    BYTE before[kBlockSize];
    const bool saved = para.ReadBytes(CParaDaten::kWorkFile, layout::kAreaEeprom, kBlockAddress, kBlockSize, before);
    bool written = saved;
    for (int n = 1; n <= kAnzahl && written; ++n) {
        CString text;
        m_Liste.GetText(n - 1, text);
        written = para.SetUserBezeichnung(CParaDaten::kWorkFile, static_cast<BYTE>(n), text);
    }
    if (!written) {
        // The caller would take OK for stored designations: put back what was there and let the user decide.
        if (saved)
            para.WriteBytes(CParaDaten::kWorkFile, layout::kAreaEeprom, kBlockAddress, kBlockSize, before);
        messages::Show(m_hWnd, messages::kFormSaveFailed);
        return;
    }
    EndDialog(IDOK);
}
