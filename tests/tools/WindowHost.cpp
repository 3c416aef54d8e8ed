// window-host: a small program of the window model for the tests of wnddrive. Its frame has a toolbar and an
// accelerator; its modal dialog (template 9301) holds every control kind; it shows message boxes and a file dialog.
// Every handler writes what it received into a log static (the frame's 3000, the dialog's 1020), in Windows-1252,
// so a test reads through wnddrive what the program itself saw. With --showing-prompts, message boxes and file dialogs
// stay up in a modal loop until something ends them, as a real window backend shows them.
#include "platform/EventLoop.h"
#include "platform/WindowModel.h"

#include <csignal>
#include <cstdio>

namespace {

constexpr UINT kFrameId = 9300;
constexpr UINT kDialogId = 9301;
constexpr UINT ID_SHOW_DIALOG = 32002;
constexpr UINT ID_ASK = 32003;
constexpr UINT ID_PICK_FILE = 32004;
constexpr UINT ID_NEVER = 32005;  // always disabled
constexpr UINT ID_PROGRESS = 32006;  // a dialog that shows progress only and ends by itself, as a transfer does
constexpr UINT kProgressDialogId = 9302;
constexpr UINT ID_ABOUT = 32001;  // an accelerator only (Ctrl+Alt+V)
constexpr UINT IDC_FRAME_LOG = 3000;

constexpr UINT IDC_PUSH = 1001;
constexpr UINT IDC_CHECK = 1002;
constexpr UINT IDC_RADIO_A = 1003;
constexpr UINT IDC_RADIO_B = 1004;
constexpr UINT IDC_GROUP = 1005;
constexpr UINT IDC_LABEL = 1006;
constexpr UINT IDC_EDIT = 1007;
constexpr UINT IDC_DISABLED_EDIT = 1008;
constexpr UINT IDC_HIDDEN_EDIT = 1009;
constexpr UINT IDC_COMBO = 1010;
constexpr UINT IDC_LIST = 1011;
constexpr UINT IDC_TAB = 1012;
constexpr UINT IDC_TREE = 1013;
constexpr UINT IDC_ROWS = 1014;
constexpr UINT IDC_PROGRESS = 1015;
constexpr UINT IDC_ASK = 1017;
constexpr UINT IDC_FILE = 1018;
constexpr UINT IDC_LOG = 1020;

using platform::ControlClass;

void RegisterResources()
{
    auto& registry = platform::ResourceRegistry::Instance();
    registry.AddString(kFrameId, "Finestra di prova – già");
    registry.AddString(AFX_IDS_IDLEMESSAGE, "Pronto");
    registry.AddAccelerators(kFrameId, {{FVIRTKEY | FCONTROL | FALT, 'V', static_cast<WORD>(ID_ABOUT)}});

    platform::DialogTemplate dialog;
    dialog.id = kDialogId;
    dialog.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.rect = {0, 0, 320, 260};
    dialog.caption = "Tutti i controlli – €";
    dialog.controls = {
        {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {10, 235, 50, 14}, "OK"},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {70, 235, 50, 14}, "Annulla"},
        {ControlClass::Button, IDC_PUSH, BS_PUSHBUTTON | WS_TABSTOP, {10, 10, 50, 14}, "Premi"},
        {ControlClass::Button, IDC_CHECK, BS_AUTOCHECKBOX | WS_TABSTOP, {10, 30, 60, 10}, "Sì, è così"},
        {ControlClass::Button, IDC_RADIO_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {10, 50, 40, 10}, "A"},
        {ControlClass::Button, IDC_RADIO_B, BS_AUTORADIOBUTTON, {10, 62, 40, 10}, "B"},
        {ControlClass::Button, IDC_GROUP, BS_GROUPBOX | WS_GROUP, {5, 42, 60, 35}, "Gruppo"},
        {ControlClass::Static, IDC_LABEL, SS_LEFT, {80, 10, 80, 8}, "Größe €"},
        {ControlClass::Edit, IDC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {80, 25, 80, 12}, ""},
        {ControlClass::Edit, IDC_DISABLED_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_DISABLED,
         {80, 40, 80, 12}, "fermo"},
        {ControlClass::Edit, IDC_HIDDEN_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {80, 55, 80, 12}, "nascosto",
         {}, false},
        {ControlClass::ComboBox, IDC_COMBO, CBS_DROPDOWNLIST | WS_TABSTOP, {80, 70, 80, 60}, "",
         {"uno", "due", "tré"}},
        {ControlClass::ListBox, IDC_LIST, LBS_NOTIFY | WS_BORDER | WS_TABSTOP, {170, 10, 60, 40}, "",
         {"alfa", "beta", "gamma"}},
        {ControlClass::Tab, IDC_TAB, WS_TABSTOP, {170, 55, 100, 20}, "", {"Primo", "Secondo"}},
        {ControlClass::TreeView, IDC_TREE, TVS_HASBUTTONS | TVS_LINESATROOT | WS_TABSTOP, {170, 80, 100, 60}, ""},
        {ControlClass::ListView, IDC_ROWS, LVS_REPORT | LVS_SINGLESEL | WS_TABSTOP, {10, 90, 150, 60}, ""},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {10, 160, 150, 10}, ""},
        {ControlClass::Button, IDC_ASK, BS_PUSHBUTTON | WS_TABSTOP, {170, 150, 50, 14}, "Domanda"},
        {ControlClass::Button, IDC_FILE, BS_PUSHBUTTON | WS_TABSTOP, {230, 150, 50, 14}, "File…"},
        {ControlClass::Static, IDC_LOG, SS_LEFT, {10, 180, 300, 40}, ""},
    };
    registry.AddDialog(dialog);

    platform::DialogTemplate progress;
    progress.id = kProgressDialogId;
    progress.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
    progress.rect = {0, 0, 186, 46};
    progress.caption = "Trasferimento";
    progress.controls = {
        {ControlClass::Static, IDC_LABEL, SS_LEFT, {7, 7, 170, 8}, "In corso"},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {7, 22, 172, 12}, ""},
    };
    registry.AddDialog(progress);
}

// Shows progress for a few timer ticks and ends itself; nothing in it takes a person's input.
class CProgressDlg : public CDialog {
public:
    explicit CProgressDlg(CWnd* parent) : CDialog(kProgressDialogId, parent) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, 100, nullptr);
        return TRUE;
    }
    void OnTimer(UINT_PTR id)
    {
        if (++m_ticks == 3) {
            KillTimer(id);
            EndDialog(IDOK);
        }
    }

private:
    int m_ticks = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// Prompts that show each box until it is ended from outside, as the window backend's real boxes wait for a person.
class ShowingPrompts : public platform::Prompts {
public:
    int ShowMessageBox(const platform::MessageBoxRequest&) override
    {
        m_boxShown = true;
        m_boxAnswer = 0;
        platform::EventLoop::Current().RunUntil([this] { return m_boxAnswer != 0; }, true);
        m_boxShown = false;
        return m_boxAnswer;
    }
    platform::FileDialogAnswer ShowFileDialog(const platform::FileDialogRequest&) override
    {
        m_fileShown = true;
        m_fileEnded = false;
        platform::EventLoop::Current().RunUntil([this] { return m_fileEnded; }, true);
        m_fileShown = false;
        return m_fileAnswer;
    }
    bool EndShownMessageBox(int button) override
    {
        if (!m_boxShown || m_boxAnswer != 0)
            return false;
        m_boxAnswer = button;
        return true;
    }
    bool EndShownFileDialog(const platform::FileDialogAnswer& answer) override
    {
        if (!m_fileShown || m_fileEnded)
            return false;
        m_fileAnswer = answer;
        m_fileEnded = true;
        return true;
    }

private:
    bool m_boxShown = false;
    int m_boxAnswer = 0;
    bool m_fileShown = false;
    bool m_fileEnded = false;
    platform::FileDialogAnswer m_fileAnswer;
};

CString Format(const char* format, int value)
{
    CString text;
    text.Format(format, value);
    return text;
}

class CAllControlsDlg : public CDialog {
public:
    explicit CAllControlsDlg(CWnd* parent) : CDialog(kDialogId, parent) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TREE));
        HTREEITEM plant = tree->InsertItem("Impianto");
        HTREEITEM boiler = tree->InsertItem("Caldaia", plant);
        tree->InsertItem("Pompa ä", boiler);
        tree->InsertItem("Solare");
        auto* rows = static_cast<CListCtrl*>(GetDlgItem(IDC_ROWS));
        rows->InsertColumn(0, "Nome");
        rows->InsertColumn(1, "Valore");
        rows->InsertItem(0, "primo");
        rows->SetItemText(0, 1, "1");
        rows->InsertItem(1, "secondo");
        rows->SetItemText(1, 1, "2 €");
        static_cast<CProgressCtrl*>(GetDlgItem(IDC_PROGRESS))->SetPos(40);
        return TRUE;
    }

protected:
    void Log(const CString& text) { GetDlgItem(IDC_LOG)->SetWindowText(text); }
    void OnPush() { Log("push"); }
    void OnCheck() { Log(Format("check %d", static_cast<CButton*>(GetDlgItem(IDC_CHECK))->GetCheck())); }
    void OnRadioB() { Log("radio B"); }
    void OnEditChange()
    {
        CString text;
        GetDlgItem(IDC_EDIT)->GetWindowText(text);
        // The length in bytes shows that the program holds Windows-1252, one byte a character.
        Log(Format("edit %d bytes: ", text.GetLength()) + text);
    }
    void OnCombo() { Log(Format("combo %d", static_cast<CComboBox*>(GetDlgItem(IDC_COMBO))->GetCurSel())); }
    void OnListDouble() { Log(Format("list double %d", static_cast<CListBox*>(GetDlgItem(IDC_LIST))->GetCurSel())); }
    void OnTab(NMHDR*, LRESULT*) { Log(Format("tab %d", static_cast<CTabCtrl*>(GetDlgItem(IDC_TAB))->GetCurSel())); }
    void OnTree(NMHDR*, LRESULT*)
    {
        auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TREE));
        Log("tree " + tree->GetItemText(tree->GetSelectedItem()));
    }
    void OnRowDouble(NMHDR* header, LRESULT*)
    {
        Log(Format("row double %d", reinterpret_cast<NMLISTVIEW*>(header)->iItem));
    }
    void OnAsk() { Log(Format("answer %d", MessageBox("Salvare le modifiche?", "Domanda", MB_YESNOCANCEL))); }
    void OnFile()
    {
        CFileDialog dialog(TRUE, "par", nullptr, OFN_FILEMUSTEXIST, "Parametri (*.par)|*.par||", this);
        Log(dialog.DoModal() == IDOK ? "file " + dialog.GetPathName() : CString("file cancelled"));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAllControlsDlg, CDialog)
    ON_BN_CLICKED(IDC_PUSH, OnPush)
    ON_BN_CLICKED(IDC_CHECK, OnCheck)
    ON_BN_CLICKED(IDC_RADIO_B, OnRadioB)
    ON_EN_CHANGE(IDC_EDIT, OnEditChange)
    ON_CBN_SELENDOK(IDC_COMBO, OnCombo)
    ON_LBN_DBLCLK(IDC_LIST, OnListDouble)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnTab)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, OnTree)
    ON_NOTIFY(NM_DBLCLK, IDC_ROWS, OnRowDouble)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_BN_CLICKED(IDC_FILE, OnFile)
END_MESSAGE_MAP()

class CHostFrame : public CFrameWnd {
public:
    CToolBar m_toolBar;
    CStatic m_log;

    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT buttons[] = {ID_SHOW_DIALOG, ID_SEPARATOR, ID_ASK, ID_PICK_FILE, ID_NEVER, ID_PROGRESS};
        if (!m_toolBar.CreateEx(this, TBSTYLE_LIST, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT) ||
            !m_toolBar.SetButtons(buttons, 6) ||
            !m_log.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(100, 10, 400, 30), this, IDC_FRAME_LOG))
            return -1;
        return 0;
    }

protected:
    void Log(const CString& text) { m_log.SetWindowText(text); }
    void OnShowDialog()
    {
        CAllControlsDlg dialog(this);
        Log(Format("dialog %d", static_cast<int>(dialog.DoModal())));
    }
    void OnAsk() { Log(Format("answer %d", AfxMessageBox("Continuare?", MB_YESNO | MB_ICONQUESTION))); }
    void OnPickFile()
    {
        CFileDialog dialog(FALSE, "par", "nuovo.par", OFN_OVERWRITEPROMPT, "Parametri (*.par)|*.par||", this);
        Log(dialog.DoModal() == IDOK ? "save " + dialog.GetPathName() : CString("save cancelled"));
    }
    void OnNever() { Log("never"); }
    void OnProgress()
    {
        CProgressDlg dialog(this);
        Log(Format("progress %d", static_cast<int>(dialog.DoModal())));
    }
    void OnUpdateNever(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnAbout() { Log(Format("about %d", MessageBox("Finestra di prova 1.0", "Informazione", MB_OK))); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_SHOW_DIALOG, OnShowDialog)
    ON_COMMAND(ID_ASK, OnAsk)
    ON_COMMAND(ID_PICK_FILE, OnPickFile)
    ON_COMMAND(ID_NEVER, OnNever)
    ON_COMMAND(ID_PROGRESS, OnProgress)
    ON_UPDATE_COMMAND_UI(ID_NEVER, OnUpdateNever)
    ON_COMMAND(ID_ABOUT, OnAbout)
END_MESSAGE_MAP()

class CHostApp : public CWinApp {
public:
    CHostApp() : CWinApp("window-host") {}
    BOOL InitInstance() override
    {
        static ShowingPrompts showing;
        for (const CString& argument : m_arguments)
            if (argument == "--showing-prompts")
                platform::SetPrompts(&showing);
        RegisterResources();
        auto* frame = new CHostFrame;
        if (!frame->LoadFrame(kFrameId))
            return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        std::printf("window-host ready\n");
        std::fflush(stdout);
        return TRUE;
    }
};

CHostApp g_app;

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    return AfxWinMain(argc, argv);
}
