// The backend's test host: shows the host frame and answers line commands on standard input, so a test in another
// process can find widgets on the screen and read the model back.
//
//   rect ID     "rect X Y W H": where the control of the shown form or running dialog is on the screen
//   get ID      "text <UTF-8>": the control's model text, with CR and LF written as \r and \n
//   wid         "wid N": the frame's X window
//   place       "place <show state> <width> <height>": the frame's placement in the model
//   code        changes every kind of control by code, lets the toolkit run, then prints "code done"
//   box FLAGS   shows a message box, then prints "box <answer>"
//   answer N    ends the shown message box with button N ("answered 1" or "answered 0")
//   file        shows a file dialog, then prints "file <path>" or "file cancel"
//   work        long work that moves the progress bar without returning to the loop (pauses at 70 for a line)
//   press N     presses toolbar button N as a person does (button 0 opens the host's dialog)
//   second      makes a second form, hidden, moves its progress bar to 70 by code, lets the toolkit run, then
//               switches it in as the program switches its forms and prints "second shown"
//   quit        closes the frame
// Notifications the form receives are printed as "notify <id> <code>".
#include "HostWindows.h"

#include "platform/ApplicationNames.h"
#include "platform/Cp1252.h"
#include "platform/EventLoop.h"
#include "platform/UserInput.h"
#include "platform/WindowBackend.h"
#include "platform/WindowChannel.h"

#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

CWinApp theApp("wxhost");
wxhost::HostFrame* g_frame = nullptr;
std::string g_input;

void Say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The control with the id: in the running modal dialog first, else in the frame's form.
CWnd* Control(int id)
{
    CWnd* active = CWnd::GetActiveWindow();
    if (active && active != g_frame)
        if (CWnd* item = active->GetDlgItem(id))
            return item;
    CView* view = g_frame ? g_frame->GetActiveView() : nullptr;
    return view ? view->GetDlgItem(id) : nullptr;
}

void LetToolkitRun()
{
    platform::WindowBackend* backend = platform::ActiveWindowBackend();
    for (int i = 0; i < 5; ++i) {
        if (backend)
            backend->Flush();
        platform::EventLoop::Current().RunOnce(std::chrono::milliseconds(0));
    }
}

void ChangeEveryControlByCode()
{
    using namespace wxhost;
    CView* view = g_frame->GetActiveView();
    auto item = [view](UINT id) { return view->GetDlgItem(static_cast<int>(id)); };
    static_cast<CEdit*>(item(IDC_NOTES))->SetWindowText("riga uno\r\nriga due");
    static_cast<CEdit*>(item(IDC_NAME))->SetSel(0, -1);
    static_cast<CEdit*>(item(IDC_NAME))->SetReadOnly(TRUE);
    static_cast<CEdit*>(item(IDC_NAME))->SetReadOnly(FALSE);
    static_cast<CButton*>(item(IDC_CHECK))->SetCheck(BST_CHECKED);
    static_cast<CButton*>(item(IDC_RADIO_B))->SetCheck(BST_CHECKED);
    static_cast<CButton*>(item(IDC_RADIO_B))->SetCheck(BST_UNCHECKED);
    static_cast<CButton*>(item(IDC_RADIO_A))->SetCheck(BST_CHECKED);
    static_cast<CButton*>(item(IDC_APPLY))->SetWindowText("Applica ora");
    auto* combo = static_cast<CComboBox*>(item(IDC_CHOICE));
    combo->AddString("Giovedì");
    combo->SetCurSel(3);
    combo->SetCurSel(-1);
    auto* list = static_cast<CListBox*>(item(IDC_LIST));
    list->AddString("Solare");
    list->SetCurSel(2);
    list->SetCurSel(3);
    auto* tree = static_cast<CTreeCtrl*>(item(IDC_TREE));
    HTREEITEM added = tree->InsertItem("Nuovo ramo");
    tree->InsertItem("Foglia", added);
    tree->Expand(added, TVE_EXPAND);
    tree->SelectItem(added);
    tree->Expand(tree->GetRootItem(), TVE_COLLAPSE);
    auto* rows = static_cast<CListCtrl*>(item(IDC_ROWS));
    rows->InsertItem(3, "Valvola");
    rows->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    rows->SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    auto* tabs = static_cast<CTabCtrl*>(item(IDC_TABS));
    tabs->SetCurSel(2);
    tabs->InsertItem(3, "Quattro");
    static_cast<CProgressCtrl*>(item(IDC_PROGRESS))->SetPos(90);
    item(IDC_TITLE)->SetWindowText("TESTO CAMBIATO");
    item(IDC_CHECK)->EnableWindow(FALSE);
    item(IDC_CHECK)->EnableWindow(TRUE);
}

void Run(const std::string& line)
{
    std::string verb = line.substr(0, line.find(' '));
    std::string argument = line.size() > verb.size() ? line.substr(verb.size() + 1) : std::string();
    platform::WindowBackend* backend = platform::ActiveWindowBackend();
    if (verb == "rect") {
        CWnd* control = Control(std::atoi(argument.c_str()));
        CRect r;
        if (backend)
            backend->Flush();
        if (control && backend && backend->ScreenRectOf(control->m_hWnd, r))
            Say("rect " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.Width()) +
                " " + std::to_string(r.Height()));
        else
            Say("rect none");
    } else if (verb == "get") {
        CWnd* control = Control(std::atoi(argument.c_str()));
        CString text;
        if (control)
            control->GetWindowText(text);
        std::string utf8 = platform::Cp1252ToUtf8(text.str());
        std::string escaped;
        for (char c : utf8)
            escaped += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
        Say("text " + escaped);
    } else if (verb == "place") {
        WINDOWPLACEMENT placement {};
        if (g_frame)
            g_frame->GetWindowPlacement(&placement);
        CRect r(placement.rcNormalPosition);
        Say("place " + std::to_string(placement.showCmd) + " " + std::to_string(r.Width()) + " " +
            std::to_string(r.Height()));
    } else if (verb == "wid") {
        Say("wid " + std::to_string(backend && g_frame ? backend->NativeWindowId(g_frame->m_hWnd) : 0));
    } else if (verb == "code") {
        ChangeEveryControlByCode();
        LetToolkitRun();
        Say("code done");
    } else if (verb == "box") {
        int answer = MessageBoxA(g_frame ? g_frame->m_hWnd : nullptr, "Salvare le modifiche?\nSeconda riga",
                                 "Messaggio 1.010", static_cast<UINT>(std::strtoul(argument.c_str(), nullptr, 0)));
        Say("box " + std::to_string(answer));
    } else if (verb == "answer") {
        Say(std::string("answered ") +
            (platform::CurrentPrompts().EndShownMessageBox(std::atoi(argument.c_str())) ? "1" : "0"));
    } else if (verb == "file") {
        CFileDialog dialog(TRUE, "xml", nullptr, OFN_FILEMUSTEXIST, "Disegni (*.xml)|*.xml|Tutti i file|*.*||",
                           g_frame);
        Say(dialog.DoModal() == IDOK ? "file " + platform::Cp1252ToUtf8(dialog.GetPathName().str())
                                     : std::string("file cancel"));
    } else if (verb == "work") {
        // Long work that never returns to the loop: it moves the progress bar and, at 70, waits for a line on its
        // input, so a test can look at the screen meanwhile.
        CWaitCursor wait;
        auto* progress = static_cast<CProgressCtrl*>(g_frame->GetActiveView()->GetDlgItem(wxhost::IDC_PROGRESS));
        progress->SetRange(0, 100);
        for (int pos = 0; pos <= 100; pos += 10) {
            progress->SetPos(pos);
            if (pos == 70) {
                Say("work at 70");
                std::string ignored;
                for (char c = 0; read(0, &c, 1) == 1 && c != '\n';)
                    ignored += c;
            }
            usleep(40000);
        }
        Say("work done");
    } else if (verb == "press") {
        // A toolbar button pressed as a person presses it; the command may run a modal dialog meanwhile.
        if (g_frame)
            platform::UserInput::PressToolbarButton(g_frame->m_toolBar, std::atoi(argument.c_str()));
    } else if (verb == "second") {
        CView* second = wxhost::CreateHiddenForm(g_frame, 70);
        LetToolkitRun();
        wxhost::SwitchForm(g_frame, second);
        LetToolkitRun();
        Say(second ? "second shown" : "second none");
    } else if (verb == "quit") {
        if (g_frame)
            g_frame->SendMessage(WM_CLOSE);
    }
}

void ReadInput(int fd)
{
    char buffer[512];
    ssize_t n = read(fd, buffer, sizeof(buffer));
    if (n <= 0) {
        platform::EventLoop::Current().UnwatchFd(0);
        return;
    }
    g_input.append(buffer, static_cast<size_t>(n));
    for (size_t end = g_input.find('\n'); end != std::string::npos; end = g_input.find('\n')) {
        std::string line = g_input.substr(0, end);
        g_input.erase(0, end + 1);
        // Each command runs from the loop: a command that opens a box runs its own nested loop meanwhile.
        platform::EventLoop::Current().Post([line] { Run(line); });
    }
}

}  // namespace

int main()
{
    // The program's window backend, and its variable that keeps the model headless.
    platform::SetApplicationNames({"", "MORV9274_HEADLESS", WINDOW_BACKEND_MODULE, ".morv9274-"});
    wxhost::RegisterHostResources();
    // wnddrive reads the host's windows from outside, as it reads the program's.
    platform::WindowChannel::Serve();
    platform::EventLoop::Current().WatchFd(0, POLLIN, [](int fd, short) { ReadInput(fd); });
    g_frame = wxhost::ShowHostFrame();
    if (!g_frame)
        return 1;
    theApp.m_pMainWnd = g_frame;
    platform::WindowBackend* backend = platform::ActiveWindowBackend();
    if (backend)
        backend->Flush();
    Say(backend ? "ready backend" : "ready headless");
    int code = theApp.Run();
    Say("ended");
    return code;
}
