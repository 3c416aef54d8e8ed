// Frames, views and forms as the start-up uses them; placement and show states; finding and posting to windows by
// title, here and in other processes; the observer a window backend relies on; headless prompts and the cursor.
#include "WindowTestTemplates.h"

#include "platform/CComboBox.h"
#include "platform/CDocument.h"
#include "platform/CFileDialog.h"
#include "platform/CFormView.h"
#include "platform/CFrameWnd.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/CWaitCursor.h"
#include "platform/CWinApp.h"
#include "platform/RemoteWindow.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"
#include "platform/Win32Window.h"
#include "platform/WindowObserver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace windowtest;

namespace {

constexpr UINT kFrameResource = 9200;
std::string g_trace;

class StartView : public CView {
    DECLARE_DYNCREATE(StartView)
public:
    void OnInitialUpdate() override
    {
        g_trace += "start:initial ";
        CView::OnInitialUpdate();
    }
    void OnActivateView(BOOL activate, CView* activated, CView* deactivated) override
    {
        g_trace += std::string("start:") + (activate ? "on" : "off") + (activated == this ? "(self) " : " ");
        (void)deactivated;
        CView::OnActivateView(activate, activated, deactivated);
    }
};
IMPLEMENT_DYNCREATE(StartView, CView)

class TestDocument : public CDocument {
    DECLARE_DYNCREATE(TestDocument)
};
IMPLEMENT_DYNCREATE(TestDocument, CDocument)

class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    CToolBar toolBar;
    CStatusBar statusBar;
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT panes[] = {ID_SEPARATOR};
        return toolBar.CreateEx(this, TBSTYLE_LIST, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT) &&
                       statusBar.Create(this) && statusBar.SetIndicators(panes, 1)
                   ? 0
                   : -1;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// A form as the program's forms are: a combo member bound by data exchange, filled on its first activation.
class TestForm : public CFormView {
public:
    explicit TestForm(const char* name) : CFormView(IDD_FORM), m_name(name) {}
    CComboBox m_combo;
    CString m_title;
    bool loaded = false;
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_COMBO, m_combo);
        DDX_Text(dx, IDC_LABEL, m_title);
    }
    void OnInitialUpdate() override
    {
        CFormView::OnInitialUpdate();
        g_trace += m_name + ":initial(bound=" + std::to_string(m_combo.m_hWnd != nullptr) + ") ";
    }
    void OnActivateView(BOOL activate, CView* activated, CView* deactivated) override
    {
        g_trace += m_name + (activate ? ":on " : ":off ");
        if (activate && !loaded) {
            loaded = true;
            m_title = ("Form " + m_name).c_str();
            m_combo.SetCurSel(2);
            UpdateData(FALSE);
        }
        CFormView::OnActivateView(activate, activated, deactivated);
    }

private:
    std::string m_name;
};

// The start-up's form switch: the new form takes the pane's id, the old one is hidden, the new one shown and
// activated, the layout recalculated.
CView* SwitchView(CFrameWnd& frame, CView* next)
{
    CView* old = frame.GetActiveView();
    LONG oldId = GetWindowLongA(old->m_hWnd, GWL_ID);
    SetWindowLongA(old->m_hWnd, GWL_ID, GetWindowLongA(next->m_hWnd, GWL_ID));
    SetWindowLongA(next->m_hWnd, GWL_ID, oldId);
    old->ShowWindow(SW_HIDE);
    next->ShowWindow(SW_SHOW);
    frame.SetActiveView(next);
    frame.RecalcLayout();
    next->Invalidate();
    return old;
}

class WindowModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterTestTemplates();
        platform::ResourceRegistry::Instance().AddString(kFrameResource, "Model frame\n\nModel\n");
        g_trace.clear();
    }
    void TearDown() override
    {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        platform::ResetQuit();
    }
    CFrameWnd* OpenFrame()
    {
        auto* docTemplate = new CSingleDocTemplate(kFrameResource, RUNTIME_CLASS(TestDocument),
                                                   RUNTIME_CLASS(TestFrame), RUNTIME_CLASS(StartView));
        app.AddDocTemplate(docTemplate);
        EXPECT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
        return dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    }

    CWinApp app {"Model test"};
    platform::TestDriver driver;
};

TEST_F(WindowModelTest, DocumentTemplateMakesTheFrameItsActiveViewAndTheMainWindow)
{
    CFrameWnd* frame = OpenFrame();
    ASSERT_NE(frame, nullptr);
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, "Model frame");
    CView* view = frame->GetActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST));
    EXPECT_NE(view->GetDocument(), nullptr);
    EXPECT_EQ(frame->GetActiveDocument(), view->GetDocument());
    EXPECT_EQ(g_trace, "start:on(self) start:initial ");
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(WindowModelTest, FormsAreCreatedHiddenAndSwitchedInWithTheirActivation)
{
    CFrameWnd* frame = OpenFrame();
    ASSERT_NE(frame, nullptr);
    CCreateContext context;
    context.m_pCurrentDoc = frame->GetActiveDocument();
    auto* first = new TestForm("A");
    auto* second = new TestForm("B");
    ASSERT_TRUE(first->Create(nullptr, "morv9274 View", 0, CRect(0, 0, 0, 0), frame, 0xE901, &context));
    ASSERT_TRUE(second->Create(nullptr, "morv9274 View", 0, CRect(0, 0, 0, 0), frame, 0xE902, &context));
    EXPECT_FALSE(first->IsWindowVisible());
    g_trace.clear();
    first->SendMessage(WM_INITIALUPDATE);
    second->SendMessage(WM_INITIALUPDATE);
    EXPECT_EQ(g_trace, "A:initial(bound=1) B:initial(bound=1) ") << "members are bound before any activation";
    EXPECT_EQ(driver.Text(*first, IDC_LABEL), "") << "the template's placeholder text is replaced";

    g_trace.clear();
    CView* start = SwitchView(*frame, first);
    EXPECT_EQ(g_trace, "start:off A:on ");
    EXPECT_EQ(first->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST));
    EXPECT_EQ(start->GetDlgCtrlID(), 0xE901);
    EXPECT_TRUE(first->IsWindowVisible());
    EXPECT_FALSE(start->IsWindowVisible());
    EXPECT_EQ(driver.Text(*first, IDC_LABEL), "Form A");
    CRect pane;
    first->GetClientRect(&pane);
    EXPECT_GT(pane.Width(), 0) << "the switched-in form fills the pane";

    g_trace.clear();
    SwitchView(*frame, second);
    SwitchView(*frame, first);
    EXPECT_EQ(g_trace, "A:off B:on B:off A:on ");
    EXPECT_EQ(driver.CurSel(*first, IDC_COMBO), 2) << "a hidden form keeps its state";
    g_trace.clear();
    frame->SetActiveView(first);
    EXPECT_EQ(g_trace, "") << "activating the active view again calls nothing";
    EXPECT_FALSE(driver.Select(*second, IDC_COMBO, 1)) << "no user reaches a hidden form";
}

TEST_F(WindowModelTest, PlacementOfAFrameCreatedMinimised)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Placement", WS_OVERLAPPEDWINDOW | WS_MINIMIZE, CRect(10, 20, 759, 623)));
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(GetWindowPlacement(frame->m_hWnd, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(10, 20, 759, 623));

    frame->ShowWindow(SW_SHOWMAXIMIZED);
    frame->GetWindowPlacement(&placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(10, 20, 759, 623)) << "the restored placement is kept";
    CRect now;
    frame->GetWindowRect(&now);
    EXPECT_EQ(now, platform::ScreenRect());

    frame->ShowWindow(SW_RESTORE);
    frame->CenterWindow();
    frame->GetWindowPlacement(&placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    CRect normal(placement.rcNormalPosition);
    EXPECT_EQ(normal.Size(), CSize(749, 603));
    EXPECT_LE(std::abs(normal.CenterPoint().x - platform::ScreenRect().CenterPoint().x), 1);
    frame->DestroyWindow();
}

TEST_F(WindowModelTest, APersonsPlacementOfAFrameIsWhatItsPlacementReports)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Placed", WS_OVERLAPPEDWINDOW, CRect(10, 20, 759, 623)));
    EXPECT_FALSE(platform::UserInput::PlaceWindow(*frame, CRect(0, 0, 500, 400), SW_SHOWNORMAL))
        << "nobody moves a hidden window";
    frame->ShowWindow(SW_SHOW);
    ASSERT_TRUE(platform::UserInput::PlaceWindow(*frame, CRect(30, 40, 530, 440), SW_SHOWNORMAL));
    WINDOWPLACEMENT placement;
    frame->GetWindowPlacement(&placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(30, 40, 530, 440));
    CRect now;
    frame->GetWindowRect(&now);
    EXPECT_EQ(now, CRect(30, 40, 530, 440));

    ASSERT_TRUE(platform::UserInput::PlaceWindow(*frame, CRect(30, 40, 530, 440), SW_SHOWMAXIMIZED));
    frame->GetWindowPlacement(&placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(30, 40, 530, 440)) << "the restored placement is kept";
    EXPECT_FALSE(platform::UserInput::PlaceWindow(*frame, CRect(0, 0, 0, 400), SW_SHOWNORMAL))
        << "a window without width is no placement";
    frame->DestroyWindow();
}

TEST_F(WindowModelTest, FindWindowAndPostMessageReachLocalWindowsByExactTitle)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Vorna - model test"));
    HWND hwnd = frame->m_hWnd;
    EXPECT_EQ(FindWindowA(nullptr, "Vorna - model test"), hwnd);
    EXPECT_EQ(FindWindowA(nullptr, "vorna - model test"), nullptr) << "the title must match exactly";
    EXPECT_TRUE(PostMessageA(hwnd, WM_CLOSE, 0, 0));
    EXPECT_TRUE(IsWindow(hwnd)) << "posting does not wait";
    driver.RunPending();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(PostMessageA(hwnd, WM_CLOSE, 0, 0));
}

TEST_F(WindowModelTest, ATitledFrameIsReachableFromOtherProcessesWhileItExists)
{
    std::string title = "morv9274 window test " + std::to_string(getpid());
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, title.c_str()));
    EXPECT_TRUE(platform::remote::Exists(title.c_str()));
    frame->DestroyWindow();
    EXPECT_FALSE(platform::remote::Exists(title.c_str()));
}

TEST_F(WindowModelTest, FrameWhoseTitleIsHeldElsewhereBecomesReachableOnceItIsFree)
{
    std::string title = "morv9274 held title " + std::to_string(getpid());
    ASSERT_TRUE(platform::remote::Publish(title.c_str(), [](UINT, WPARAM, LPARAM) {}));  // the ending instance
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, title.c_str()));
    app.m_pMainWnd = frame;
    HWND hwnd = frame->m_hWnd;
    platform::remote::Unpublish(title.c_str());
    EXPECT_FALSE(platform::remote::Exists(title.c_str()));
    app.OnIdle(0);
    EXPECT_TRUE(platform::remote::Exists(title.c_str())) << "published again while the loop is idle";
    EXPECT_TRUE(platform::remote::Post(title.c_str(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(driver.RunUntil([&] { return !IsWindow(hwnd); }, std::chrono::milliseconds(2000)))
        << "a close from another process runs the frame's close";
}

TEST_F(WindowModelTest, FindWindowAndPostMessageFallBackToOtherProcessesWindows)
{
    std::string title = "morv9274 other process " + std::to_string(getpid());
    UINT received = 0;
    WPARAM receivedW = 0;
    ASSERT_TRUE(platform::remote::Publish(title.c_str(), [&](UINT message, WPARAM wParam, LPARAM) {
        received = message;
        receivedW = wParam;
    }));
    HWND remote = FindWindowA(nullptr, title.c_str());
    ASSERT_NE(remote, nullptr);
    EXPECT_FALSE(IsWindow(remote)) << "not a window of this process";
    EXPECT_TRUE(PostMessageA(remote, WM_USER + 5, 7, 0));
    EXPECT_TRUE(driver.RunUntil([&] { return received != 0; }, std::chrono::milliseconds(2000)));
    EXPECT_EQ(received, WM_USER + 5);
    EXPECT_EQ(receivedW, 7u);
    platform::remote::Unpublish(title.c_str());
    EXPECT_FALSE(PostMessageA(remote, WM_USER + 5, 7, 0)) << "gone with its publisher";
}

// Counts what the model reports, as a window backend would mirror it.
class CountingObserver : public platform::WindowObserver {
public:
    std::vector<std::pair<HWND, platform::WindowChange>> changes;
    int cursorChanges = 0;
    void WindowChanged(HWND hwnd, platform::WindowChange change) override { changes.emplace_back(hwnd, change); }
    void CursorChanged(HCURSOR) override { ++cursorChanges; }
    int Count(HWND hwnd, platform::WindowChange change) const
    {
        int n = 0;
        for (const auto& c : changes)
            n += c.first == hwnd && c.second == change;
        return n;
    }
};

TEST_F(WindowModelTest, EveryChangeByCodeOrByTheUserReachesTheObserver)
{
    RecordingHost host;
    CountingObserver observer;
    platform::AddWindowObserver(&observer);
    auto& combo = *dynamic_cast<CComboBox*>(host.GetDlgItem(IDC_COMBO));
    HWND hwnd = combo.m_hWnd;
    combo.SetCurSel(1);
    driver.Select(host, IDC_COMBO, 2);
    combo.AddString("three");
    combo.EnableWindow(FALSE);
    combo.SetDlgCtrlID(999);
    {
        CWaitCursor wait;
        EXPECT_TRUE(platform::IsWaitCursor(GetCursor()));
    }
    EXPECT_FALSE(platform::IsWaitCursor(GetCursor()));
    host.GetDlgItem(IDC_EDIT)->DestroyWindow();
    platform::RemoveWindowObserver(&observer);

    EXPECT_EQ(observer.Count(hwnd, platform::WindowChange::Selection), 2);
    EXPECT_EQ(observer.Count(hwnd, platform::WindowChange::Items), 1);
    EXPECT_EQ(observer.Count(hwnd, platform::WindowChange::Enabled), 1);
    EXPECT_EQ(observer.Count(hwnd, platform::WindowChange::Id), 1);
    EXPECT_EQ(observer.cursorChanges, 2);
    bool destroyed = false;
    for (const auto& c : observer.changes)
        destroyed |= c.second == platform::WindowChange::Destroyed;
    EXPECT_TRUE(destroyed);
}

TEST_F(WindowModelTest, HeadlessMessageBoxWritesOneEscapedLineAndAnswersItsDefaultButton)
{
    testing::internal::CaptureStderr();
    int answer = MessageBoxA(nullptr, "Non \xE8 stato\tpossibile\\\nRiprova", "morv9274 - Message: 1.009",
                             MB_SYSTEMMODAL | MB_ICONHAND);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(err, "morv9274 - Message: 1.009\t0x1010\tNon \xC3\xA8 stato\\tpossibile\\\\\\nRiprova\n")
        << "UTF-8 on the terminal";
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Non \xE8 stato\tpossibile\\\nRiprova") << "Windows-1252 in the capture";
    driver.ClearPrompts();
    EXPECT_TRUE(driver.MessageBoxes().empty());

    const struct {
        UINT flags;
        int answer;
    } defaults[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(platform::HeadlessPrompts::DefaultAnswer(d.flags), d.answer) << d.flags;
}

TEST_F(WindowModelTest, FileDialogAnswersTheScriptedPathElseCancels)
{
    testing::internal::CaptureStderr();
    CFileDialog save(FALSE, "html", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Schema online (*.html)|*.html||");
    save.m_ofn.lpstrInitialDir = "/opt/morv9274";
    EXPECT_EQ(save.DoModal(), IDCANCEL) << "nothing scripted";

    driver.AnswerNextFileDialog("/tmp/out/schema");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/tmp/out/schema.html") << "the default extension is added";
    EXPECT_EQ(save.GetFileName(), "schema.html");
    EXPECT_EQ(save.GetFileExt(), "html");
    EXPECT_EQ(save.GetFileTitle(), "schema");
    EXPECT_EQ(save.GetFolderPath(), "/tmp/out");

    CFileDialog open(TRUE, nullptr, "old.dat", OFN_FILEMUSTEXIST, "Dati di funzione KRX9274 (*.dat)|*.dat||");
    driver.AnswerNextFileDialog("C:\\dati\\funzioni.DAT");
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetFileExt(), "DAT") << "the extension as chosen";
    EXPECT_EQ(open.GetFileName(), "funzioni.DAT");
    testing::internal::GetCapturedStderr();

    ASSERT_EQ(driver.FileDialogs().size(), 3u);
    EXPECT_FALSE(driver.FileDialogs()[0].open);
    EXPECT_EQ(driver.FileDialogs()[0].initialDir, "/opt/morv9274");
    EXPECT_EQ(driver.FileDialogs()[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(driver.FileDialogs()[2].fileName, "old.dat");
}

TEST_F(WindowModelTest, MainLoopEndsWhenTheMainWindowIsClosedByTheUser)
{
    CFrameWnd* frame = OpenFrame();
    ASSERT_NE(frame, nullptr);
    HWND hwnd = frame->m_hWnd;
    EXPECT_TRUE(platform::UserInput::CloseWindow(*frame));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.Run(), 0) << "Run returns at once: the quit request is there";
    EXPECT_TRUE(platform::QuitRequested());
}

}  // namespace
