// CWinApp: the application object; one exists per process, constructed before the start-up runs.
//
// AfxWinMain first serves the window channel (platform/WindowChannel.h), so the program's windows can be used from
// outside from the start-up on, then runs InitInstance; when it returns true, Run serves the event loop until the main window is destroyed, a
// quit is requested (PostQuitMessage), or nothing is left that could ever wake the loop, and then returns
// ExitInstance's code. When InitInstance returns false, ExitInstance's code is returned at once. After every pass of
// the main loop the main window's toolbars are brought in line with the command update handlers.
// The application receives commands last (see CFrameWnd.h).
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"
#include "platform/WindowTypes.h"

#include <chrono>
#include <memory>
#include <vector>

class CSingleDocTemplate;
class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The name is the caption of AfxMessageBox; without one, the string AFX_IDS_APP_TITLE is used.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance();
    virtual BOOL OnIdle(LONG count);

    // The application owns the template.
    void AddDocTemplate(CSingleDocTemplate* docTemplate);
    CSingleDocTemplate* GetFirstDocTemplate() const;
    HCURSOR LoadStandardCursor(LPCTSTR name) const;
    LPCTSTR GetAppName() const;
    void SetAppName(LPCTSTR name);

    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CString m_strCmdLine;
    std::vector<CString> m_arguments;  // argv after the program name

private:
    CString m_appName;
    bool m_hasName = false;
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
    mutable CString m_nameCache;
    std::chrono::steady_clock::time_point m_lastPublishRetry {};
};

CWinApp* AfxGetApp();
LPCTSTR AfxGetAppName();
CWnd* AfxGetMainWnd();
// Runs the application object: records the command line, InitInstance, then Run or ExitInstance.
int AfxWinMain(int argc, char** argv);
