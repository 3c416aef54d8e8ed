// The application object and the main loop.
#include "platform/CWinApp.h"

#include "platform/CSingleDocTemplate.h"
#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"
#include "platform/EventLoop.h"
#include "platform/ResourceRegistry.h"
#include "platform/WindowChannel.h"
#include "platform/WindowData.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(LPCTSTR appName)
{
    if (appName) {
        m_appName = appName;
        m_hasName = true;
    }
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

LPCTSTR CWinApp::GetAppName() const
{
    m_nameCache = m_hasName ? m_appName : platform::ResourceRegistry::Instance().String(AFX_IDS_APP_TITLE);
    return m_nameCache;
}

void CWinApp::SetAppName(LPCTSTR name)
{
    m_appName = name ? name : "";
    m_hasName = name != nullptr;
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate)
{
    m_templates.emplace_back(docTemplate);
}

CSingleDocTemplate* CWinApp::GetFirstDocTemplate() const
{
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR name) const
{
    return LoadCursor(nullptr, name);
}

BOOL CWinApp::OnIdle(LONG)
{
    if (m_pMainWnd && m_pMainWnd->IsWindow())
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    // At most once a second: a title held by an ending instance becomes free shortly.
    auto now = std::chrono::steady_clock::now();
    if (now - m_lastPublishRetry >= std::chrono::seconds(1)) {
        m_lastPublishRetry = now;
        platform::RetryPublishingFrameTitles();
    }
    return FALSE;
}

int CWinApp::Run()
{
    platform::EventLoop& loop = platform::EventLoop::Current();
    while (!platform::QuitRequested() && m_pMainWnd && m_pMainWnd->IsWindow() && loop.HasSources()) {
        loop.RunOnce();
        OnIdle(0);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return platform::QuitExitCode();
}

CWinApp* AfxGetApp()
{
    return g_app;
}

LPCTSTR AfxGetAppName()
{
    return g_app ? g_app->GetAppName() : "";
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    // From its first window on (a message box of the start-up included), the program can be used from outside.
    platform::WindowChannel::Serve();
    app->m_arguments.clear();
    app->m_strCmdLine.Empty();
    for (int i = 1; i < argc; ++i) {
        app->m_arguments.emplace_back(argv[i]);
        if (i > 1)
            app->m_strCmdLine += ' ';
        app->m_strCmdLine += argv[i];
    }
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->IsWindow())
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
