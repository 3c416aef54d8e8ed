// The signal transfer form.
#include "forms/plant/CSignalUebergabe.h"

#include "drawing/CZeichnung.h"
#include "forms/plant/PlantFormFactories.h"
#include "forms/plant/PlantTemplates.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "resources/Messages.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <vector>

PLANT_FORM_FACTORIES(CSignalUebergabe, IDD_SIGNAL_UEBERGABE, &plant::SignalTemplate, g_pSignalUebergabe)

BEGIN_MESSAGE_MAP(CSignalUebergabe, CFormView)
ON_LBN_DBLCLK(IDC_SIGNAL_LIST, OnDblclkListe)
END_MESSAGE_MAP()

namespace {

constexpr int kMaxIdLength = 20;

}  // namespace

void CSignalUebergabe::Save()
{
    if (g_pSignalUebergabe)
        g_pSignalUebergabe->SaveAndExit();
}

void CSignalUebergabe::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_SIGNAL_LIST, m_list);
    DDX_Control(dx, IDC_SIGNAL_ID, m_id);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_SIGNAL_LIST_LABEL, m_strListLabel);
}

void CSignalUebergabe::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CSignalUebergabe::LoadForm()
{
    m_strTitle = Start().name == "Signal_Übergabe" ? ui::kSignalTitleHandOver : ui::kSignalTitleAccept;
    m_strListLabel = ui::kSignalListLabel;
    SetDlgItemText(IDC_SIGNAL_GROUP, ui::kSignalGroup);
    CZeichnung drawing;
    // The list box compares without letter case; IDs differing in case are different signals.
    std::vector<CString> listed;
    const int count = drawing.GetObjektAnzahl();
    for (int i = 1; i <= count; ++i) {
        ObjektInfo object;
        if (!drawing.GetObjekt(i, object))
            break;
        if (object.art != "Signal_Übergabe" && object.art != "Signal_Übernahme")
            continue;
        if (std::find(listed.begin(), listed.end(), object.bezeichnung) == listed.end()) {
            listed.push_back(object.bezeichnung);
            m_list.AddString(object.bezeichnung);
        }
        if (object.objektId == Start().id)
            m_id.SetWindowText(object.bezeichnung);
    }
    UpdateData(FALSE);
}

void CSignalUebergabe::OnDblclkListe()
{
    const int selection = m_list.GetCurSel();
    if (selection < 0)
        return;
    CString id;
    m_list.GetText(selection, id);
    m_id.SetWindowText(id);
    m_list.SetCurSel(-1);
    m_id.SetFocus();
    m_id.SetSel(0, -1);
}

void CSignalUebergabe::SaveAndExit()
{
    CString id;
    m_id.GetWindowText(id);
    if (id.IsEmpty()) {
        messages::Show(m_hWnd, messages::kSignalEmpty);
        return;
    }
    if (id.GetLength() > kMaxIdLength) {
        messages::Show(m_hWnd, messages::kSignalTooLong);
        return;
    }
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    int textId = 0;
    CZeichnung drawing;
    if (drawing.GetTextId(Start().id, textId) && textId > 0)
        CSCCmd::SetTextDirekt(Run().dde, static_cast<UINT>(textId), id);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    platform::EndProcess(0);
}
