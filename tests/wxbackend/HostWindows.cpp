// The host's frame, form and dialog.
#include "HostWindows.h"

#include "platform/Cp1252.h"

#include <cstdio>

namespace wxhost {

using platform::ControlClass;

void RegisterHostResources()
{
    platform::DialogTemplate form;
    form.id = IDD_HOST_FORM;
    form.style = WS_CHILD;
    form.rect = {0, 0, 420, 300};
    form.controls = {
        {ControlClass::Static, IDC_TITLE, SS_CENTER, {10, 8, 400, 10}, "PROVA DEI CONTROLLI"},
        {ControlClass::Static, 0xFFFF, SS_LEFT, {10, 28, 50, 8}, "Nome:"},
        {ControlClass::Edit, IDC_NAME, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {60, 26, 120, 12}, ""},
        {ControlClass::Button, IDC_APPLY, BS_PUSHBUTTON | WS_TABSTOP, {190, 25, 50, 14}, "Applica"},
        {ControlClass::Edit, IDC_NOTES, ES_MULTILINE | ES_WANTRETURN | WS_BORDER | WS_TABSTOP, {10, 46, 230, 40},
         ""},
        {ControlClass::Button, IDC_GROUP, BS_GROUPBOX, {10, 92, 110, 62}, "Opzioni"},
        {ControlClass::Button, IDC_CHECK, BS_AUTOCHECKBOX | WS_TABSTOP, {18, 104, 90, 10}, "Attivo"},
        {ControlClass::Button, IDC_RADIO_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {18, 120, 90, 10},
         "Estate"},
        {ControlClass::Button, IDC_RADIO_B, BS_AUTORADIOBUTTON, {18, 134, 90, 10}, "Inverno"},
        {ControlClass::ComboBox, IDC_CHOICE, CBS_DROPDOWNLIST | WS_TABSTOP | WS_GROUP, {130, 96, 110, 60}, "",
         {"Lunedì", "Martedì", "Mercoledì"}},
        {ControlClass::ListBox, IDC_LIST, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, {130, 114, 110, 40}, "",
         {"Caldaia", "Bollitore", "Circuito di riscaldamento"}},
        {ControlClass::Tab, IDC_TABS, WS_TABSTOP, {250, 26, 160, 14}, "", {"Uno", "Due", "Tre"}},
        {ControlClass::TreeView, IDC_TREE, TVS_HASBUTTONS | TVS_LINESATROOT | WS_BORDER | WS_TABSTOP,
         {250, 46, 160, 108}, ""},
        {ControlClass::ListView, IDC_ROWS, LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, {10, 162, 400, 80},
         ""},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {10, 250, 300, 10}, ""},
        {ControlClass::Static, IDC_COLOURED, SS_LEFT, {10, 266, 400, 20}, "Prima riga\r\nSeconda riga (blu)"},
    };
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    registry.AddDialog(form);

    platform::DialogTemplate dialog;
    dialog.id = IDD_HOST_DIALOG;
    dialog.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.rect = {0, 0, 180, 60};
    dialog.caption = "Finestra di prova";
    dialog.controls = {
        {ControlClass::Static, 0xFFFF, SS_LEFT, {8, 10, 40, 8}, "Testo:"},
        {ControlClass::Edit, IDC_DIALOG_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {50, 8, 120, 12}, ""},
        {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {70, 38, 50, 14}, "OK"},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {124, 38, 50, 14}, "Annulla"},
    };
    registry.AddDialog(dialog);

    registry.AddToolBar({IDR_HOST_TOOLBAR, CSize(100, 33), {ID_CMD_FIRST, ID_SEPARATOR, ID_CMD_SECOND, ID_CMD_THIRD}});
    registry.AddString(ID_CMD_FIRST, "Apre la finestra di prova\nFinestra");
    registry.AddString(ID_CMD_SECOND, "Comando senza gestore\nSecondo");
    registry.AddString(ID_CMD_THIRD, "Terzo comando\nTerzo");
    registry.AddString(AFX_IDS_IDLEMESSAGE, "Pronto");
    registry.AddString(ID_INDICATOR_CAPS, "UF");
    registry.AddString(ID_INDICATOR_NUM, "NUM");
    registry.AddString(ID_INDICATOR_SCRL, "RF");
}

BEGIN_MESSAGE_MAP(HostFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_COMMAND(ID_CMD_FIRST, OnCommandFirst)
END_MESSAGE_MAP()

int HostFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_LIST, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_FLYBY) ||
        !m_toolBar.LoadToolBar(IDR_HOST_TOOLBAR))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
        return -1;
    return 0;
}

void HostFrame::OnClose()
{
    std::printf("WM_CLOSE\n");
    std::fflush(stdout);
    CFrameWnd::OnClose();
}

namespace {

// The host's dialog prints what its edit holds when OK ends it.
class HostDialog : public CDialog {
public:
    explicit HostDialog(CWnd* parent) : CDialog(IDD_HOST_DIALOG, parent) {}
    void OnOK() override
    {
        CString text;
        GetDlgItemText(static_cast<int>(IDC_DIALOG_EDIT), text);
        std::printf("dialog text %s\n", platform::Cp1252ToUtf8(text.str()).c_str());
        CDialog::OnOK();
    }
};

}  // namespace

void HostFrame::OnCommandFirst()
{
    HostDialog dialog(this);
    INT_PTR result = dialog.DoModal();
    std::printf("dialog ended %d\n", static_cast<int>(result));
    std::fflush(stdout);
}

void HostView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TREE));
    HTREEITEM plant = tree->InsertItem("Impianto");
    tree->InsertItem("Caldaia 1", plant);
    tree->InsertItem("Caldaia 2", plant);
    HTREEITEM circuits = tree->InsertItem("Circuiti");
    tree->InsertItem("Circuito 1", circuits);
    tree->Expand(plant, TVE_EXPAND);
    auto* rows = static_cast<CListCtrl*>(GetDlgItem(IDC_ROWS));
    rows->InsertColumn(0, "Funzione", LVCFMT_LEFT, 150);
    rows->InsertColumn(1, "Valore", LVCFMT_LEFT, 120);
    const char* cells[][2] = {
        {"Temperatura mandata", "45 °C"}, {"Temperatura ritorno", "30 °C"}, {"Pompa", "Acceso"}};
    for (int i = 0; i < 3; ++i) {
        rows->InsertItem(i, cells[i][0]);
        rows->SetItemText(i, 1, cells[i][1]);
    }
    static_cast<CProgressCtrl*>(GetDlgItem(IDC_PROGRESS))->SetPos(40);
    static_cast<CStatic*>(GetDlgItem(IDC_COLOURED))->SetTextColor(RGB(0, 0, 200));
    auto* title = static_cast<CStatic*>(GetDlgItem(IDC_TITLE));
    title->SetFontSizeDelta(2);
    static_cast<CComboBox*>(GetDlgItem(IDC_CHOICE))->SetCurSel(0);
}

BOOL HostView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0) {
        std::printf("notify %u %u\n", static_cast<unsigned>(LOWORD(wParam)), static_cast<unsigned>(HIWORD(wParam)));
        std::fflush(stdout);
    }
    return CFormView::OnCommand(wParam, lParam);
}

BOOL HostView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    // Custom draw is painting asking for colours, not a notification of a change.
    if (header && header->code != NM_CUSTOMDRAW) {
        std::printf("notify %u N%d\n", static_cast<unsigned>(wParam), static_cast<int>(header->code));
        std::fflush(stdout);
    }
    return CFormView::OnNotify(wParam, lParam, result);
}

HostFrame* ShowHostFrame()
{
    auto* frame = new HostFrame;
    if (!frame->Create(nullptr, kFrameTitle, WS_OVERLAPPEDWINDOW, CRect(20, 20, 20 + 900, 20 + 560))) {
        delete frame;
        return nullptr;
    }
    auto* view = new HostView;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST)) {
        frame->DestroyWindow();
        return nullptr;
    }
    view->SendMessage(WM_INITIALUPDATE);
    frame->SetActiveView(view);
    frame->ShowWindow(SW_SHOW);
    frame->RecalcLayout();
    frame->UpdateCommandUI();
    return frame;
}

CView* CreateHiddenForm(HostFrame* frame, int progress)
{
    auto* view = new HostView;
    if (!frame || !view->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST + 1))
        return nullptr;
    view->SendMessage(WM_INITIALUPDATE);
    static_cast<CProgressCtrl*>(view->GetDlgItem(IDC_PROGRESS))->SetPos(progress);
    return view;
}

void SwitchForm(HostFrame* frame, CView* form)
{
    CView* old = frame && form ? frame->GetActiveView() : nullptr;
    if (!old)
        return;
    const int oldId = old->GetDlgCtrlID();
    old->SetDlgCtrlID(form->GetDlgCtrlID());
    form->SetDlgCtrlID(oldId);
    old->ShowWindow(SW_HIDE);
    form->ShowWindow(SW_SHOW);
    frame->SetActiveView(form, TRUE);
    frame->RecalcLayout();
}

}  // namespace wxhost
