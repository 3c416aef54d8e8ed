// Command routing (active view, its document, the frame, the application), command update handlers that disable a
// command so that neither its toolbar button nor its accelerator does anything, and the status-bar prompts.
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kTemplateId = 9100;
constexpr UINT ID_VIEW_ONLY = 100;     // handled by view, document, frame and application
constexpr UINT ID_DOC_FIRST = 101;     // document, frame, application
constexpr UINT ID_FRAME_FIRST = 102;   // frame, application
constexpr UINT ID_APP_ONLY = 103;
constexpr UINT ID_NOBODY = 104;
constexpr UINT ID_GUARDED = 200;       // enabled only while the application allows it
constexpr UINT ID_UNHANDLED = 201;

std::string g_trace;

class RouteView : public CView {
    DECLARE_DYNCREATE(RouteView)
public:
    void OnCommand100() { g_trace += "view "; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteView, CView)
BEGIN_MESSAGE_MAP(RouteView, CView)
    ON_COMMAND(ID_VIEW_ONLY, OnCommand100)
END_MESSAGE_MAP()

class RouteDocument : public CDocument {
    DECLARE_DYNCREATE(RouteDocument)
public:
    void OnAny(UINT) { g_trace += "document "; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteDocument, CDocument)
BEGIN_MESSAGE_MAP(RouteDocument, CDocument)
    ON_COMMAND_RANGE(ID_VIEW_ONLY, ID_DOC_FIRST, OnAny)
END_MESSAGE_MAP()

class RouteFrame : public CFrameWnd {
    DECLARE_DYNCREATE(RouteFrame)
public:
    CToolBar toolBar;
    CStatusBar statusBar;
    void OnAny(UINT) { g_trace += "frame "; }
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT buttons[] = {ID_GUARDED, ID_SEPARATOR, ID_UNHANDLED, ID_SEPARATOR, ID_APP_ONLY};
        static const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
        if (!toolBar.CreateEx(this, TBSTYLE_LIST, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_FLYBY) ||
            !toolBar.SetButtons(buttons, 5) || !statusBar.Create(this) || !statusBar.SetIndicators(panes, 2))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(RouteFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_VIEW_ONLY, ID_FRAME_FIRST, OnAny)
END_MESSAGE_MAP()

class RouteApp : public CWinApp {
public:
    RouteApp() : CWinApp("Route test") {}
    bool allowGuarded = true;
    int guardedRuns = 0;
    void OnAny(UINT) { g_trace += "application "; }
    void OnGuarded() { ++guardedRuns; }
    void OnUpdateGuarded(CCmdUI* ui) { ui->Enable(allowGuarded); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RouteApp, CWinApp)
    ON_COMMAND_RANGE(ID_VIEW_ONLY, ID_APP_ONLY, OnAny)
    ON_COMMAND(ID_GUARDED, OnGuarded)
    ON_UPDATE_COMMAND_UI(ID_GUARDED, OnUpdateGuarded)
END_MESSAGE_MAP()

class CommandRoutingTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto& registry = platform::ResourceRegistry::Instance();
        registry.AddString(kTemplateId, "Route frame\n\nRoute\n");
        registry.AddString(AFX_IDS_IDLEMESSAGE, "Pronto");
        registry.AddString(ID_INDICATOR_CAPS, "UF");
        registry.AddString(ID_GUARDED, "Do the guarded thing\nGuarded");
        registry.AddAccelerators(kTemplateId, {{FVIRTKEY | FCONTROL | FALT, 'V', ID_GUARDED}});
        auto* docTemplate = new CSingleDocTemplate(kTemplateId, RUNTIME_CLASS(RouteDocument),
                                                   RUNTIME_CLASS(RouteFrame), RUNTIME_CLASS(RouteView));
        app.AddDocTemplate(docTemplate);
        ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
        frame = dynamic_cast<RouteFrame*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        g_trace.clear();
    }
    void TearDown() override
    {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        platform::ResetQuit();
    }

    RouteApp app;
    RouteFrame* frame = nullptr;
    platform::TestDriver driver;
};

TEST_F(CommandRoutingTest, ActiveViewThenDocumentThenFrameThenApplication)
{
    const struct {
        UINT id;
        const char* handledBy;
    } cases[] = {
        {ID_VIEW_ONLY, "view "},
        {ID_DOC_FIRST, "document "},
        {ID_FRAME_FIRST, "frame "},
        {ID_APP_ONLY, "application "},
        {ID_NOBODY, ""},
    };
    for (const auto& c : cases) {
        g_trace.clear();
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(c.id), 0), 0);
        EXPECT_EQ(g_trace, c.handledBy) << "command " << c.id;
    }
}

TEST_F(CommandRoutingTest, DisabledCommandDoesNothingFromItsButtonOrItsAccelerator)
{
    app.allowGuarded = false;
    EXPECT_FALSE(driver.ToolbarButtonEnabled(*frame, ID_GUARDED));
    EXPECT_FALSE(driver.PressToolbarButton(*frame, ID_GUARDED));
    EXPECT_TRUE(driver.PressKey(*frame, 'V', platform::UserInput::kControl | platform::UserInput::kAlt));
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_GUARDED, 1), 0);
    EXPECT_EQ(app.guardedRuns, 0) << "button, accelerator and a command message are all dropped";

    app.allowGuarded = true;
    EXPECT_TRUE(driver.ToolbarButtonEnabled(*frame, ID_GUARDED));
    EXPECT_TRUE(driver.PressToolbarButton(*frame, ID_GUARDED));
    EXPECT_TRUE(driver.PressKey(*frame, 'V', platform::UserInput::kControl | platform::UserInput::kAlt));
    EXPECT_EQ(app.guardedRuns, 2);
    EXPECT_TRUE(driver.PressKey(*frame, 'V', platform::UserInput::kControl));
    EXPECT_EQ(app.guardedRuns, 2) << "an accelerator needs exactly its modifiers";
}

TEST_F(CommandRoutingTest, ButtonStatesFollowTheUpdateHandlersWhenTheLoopIsIdle)
{
    app.allowGuarded = false;
    app.OnIdle(0);
    EXPECT_TRUE(frame->toolBar.GetButtonStyle(0) & TBBS_DISABLED);
    EXPECT_TRUE(frame->toolBar.GetButtonStyle(2) & TBBS_DISABLED) << "a command nobody handles is disabled";
    EXPECT_FALSE(frame->toolBar.GetButtonStyle(4) & TBBS_DISABLED);
    EXPECT_FALSE(driver.PressToolbarButton(*frame, ID_UNHANDLED));
    EXPECT_FALSE(platform::UserInput::PressToolbarButton(frame->toolBar, 1)) << "a separator is no button";
}

TEST_F(CommandRoutingTest, PlaceholderTurnedSeparatorIsNoButton)
{
    frame->toolBar.SetButtonStyle(4, TBBS_SEPARATOR);
    EXPECT_EQ(frame->toolBar.GetItemID(4), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(frame->toolBar.CommandToIndex(ID_APP_ONLY), -1);
    EXPECT_FALSE(platform::UserInput::PressToolbarButton(frame->toolBar, 4));
    EXPECT_EQ(g_trace, "");
}

// A frame whose toolbar resource is missing, as a start-up with a broken resource table would have.
class BrokenFrame : public CFrameWnd {
    DECLARE_DYNCREATE(BrokenFrame)
public:
    CToolBar toolBar;
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1 || !toolBar.CreateEx(this) || !toolBar.LoadToolBar(4242))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(BrokenFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(BrokenFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(CommandRoutingTest, FrameThatCannotBuildItsBarsLeavesNothingBehind)
{
    size_t windowsBefore = platform::TopLevelWindows().size();
    CSingleDocTemplate broken(kTemplateId + 1, RUNTIME_CLASS(RouteDocument), RUNTIME_CLASS(BrokenFrame),
                              RUNTIME_CLASS(RouteView));
    EXPECT_EQ(broken.OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(broken.GetDocument(), nullptr);
    EXPECT_EQ(platform::TopLevelWindows().size(), windowsBefore);
    EXPECT_EQ(app.m_pMainWnd, frame) << "the main window stays the one that was built";
}

TEST_F(CommandRoutingTest, PointingAtAButtonShowsItsPromptAndLeavingShowsTheIdleText)
{
    EXPECT_TRUE(platform::UserInput::HoverToolbarButton(frame->toolBar, 0));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "Do the guarded thing");
    EXPECT_TRUE(platform::UserInput::HoverToolbarButton(frame->toolBar, -1));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "Pronto");
    EXPECT_EQ(frame->statusBar.GetPaneText(1), "UF");
}

TEST_F(CommandRoutingTest, FrameLayoutGivesThePaneWhatTheBarsLeave)
{
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    CRect bar;
    frame->toolBar.GetWindowRect(&bar);
    frame->ScreenToClient(&bar);
    CRect status;
    frame->statusBar.GetWindowRect(&status);
    frame->ScreenToClient(&status);
    CRect pane;
    frame->GetActiveView()->GetWindowRect(&pane);
    frame->ScreenToClient(&pane);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(pane, CRect(bar.right, 0, client.right, status.top));
    EXPECT_GT(pane.Width(), 0);
}

}  // namespace
