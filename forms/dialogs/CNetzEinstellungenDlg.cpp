// The network settings dialog.
#include "forms/dialogs/CNetzEinstellungenDlg.h"

#include "forms/dialogs/SaveRefusal.h"
#include "platform/CDataExchange.h"
#include "platform/ControlTexts.h"
#include "resources/ProductionIds.h"
#include "resources/ProductionTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"

#include <algorithm>

namespace {

constexpr platform::ControlText kCaptions[] = {
    {IDOK, ui::kDialogOk},
    {IDCANCEL, ui::kDialogCancel},
    {IDC_NETZ_GROUP, ui::kNetzGroup},
    {IDC_NETZ_NODE_LABEL, ui::kNetzNode},
    {IDC_NETZ_RELEASE_LABEL, ui::kNetzRelease},
    {IDC_NETZ_AUTOMATIC_LABEL, ui::kNetzAutomatic},
};

void Fill(CComboBox& list, const char* off, const char* on, BYTE value)
{
    list.ResetContent();
    list.AddString(off);
    list.AddString(on);
    list.SetCurSel(value != 0 ? 1 : 0);
}

}  // namespace

CNetzEinstellungenDlg::CNetzEinstellungenDlg(BYTE* bytes, CWnd* parent)
    : CDialog(IDD_NETZEINSTELLUNGEN, parent), m_pBytes(bytes)
{
}

CNetzEinstellungenDlg::~CNetzEinstellungenDlg() = default;

void CNetzEinstellungenDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_NETZ_NODE, m_Node);
    DDX_Control(dx, IDC_NETZ_RELEASE, m_Release);
    DDX_Control(dx, IDC_NETZ_AUTOMATIC, m_Automatic);
}

BOOL CNetzEinstellungenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kNetzCaption);
    platform::SetControlTexts(*this, kCaptions);
    Fill(m_Release, ui::kNetzOff, ui::kNetzOn, m_pBytes[1]);
    Fill(m_Automatic, ui::kNetzNo, ui::kNetzYes, m_pBytes[2]);
    // A node outside 1 to 62 leaves the list without a selection.
    m_Node.SetCurSel(static_cast<int>(m_pBytes[0]) - 1);
    UpdateData(FALSE);
    return TRUE;
}

void CNetzEinstellungenDlg::OnOK()
{
    const BYTE chosen[3] = {static_cast<BYTE>(m_Node.GetCurSel() + 1), static_cast<BYTE>(m_Release.GetCurSel() > 0),
                            static_cast<BYTE>(m_Automatic.GetCurSel() > 0)};
    if (m_store && !m_store(chosen)) {
        forms::RefuseSave(this);
        return;
    }
    std::copy(chosen, chosen + 3, m_pBytes);
    CDialog::OnOK();
}

bool EditNetworkSettings(CWnd* owner, NetzwerkParam& before, NetzwerkParam& after,
                         const std::function<bool()>& commit)
{
    CParaDaten para;
    para.GetNetzwerk(CParaDaten::kWorkFile, before);
    after = before;
    CParaCheck().CheckNetzKnoten(after);
    BYTE bytes[3] = {after.node, after.release, after.automatic};
    CNetzEinstellungenDlg dialog(bytes, owner);
    dialog.StoreOnOk([&](const BYTE* chosen) {
        const NetzwerkParam record {chosen[0], chosen[1], chosen[2]};
        return para.SetNetzwerk(CParaDaten::kWorkFile, record) && (!commit || commit());
    });
    if (dialog.DoModal() != IDOK)
        return false;
    after.node = bytes[0];
    after.release = bytes[1];
    after.automatic = bytes[2];
    return true;
}
