// CMainFrame: the main window of the window commands: a toolbar on its left edge, chosen by the command or the object
// kind, a status bar, and one form at a time in its client area.
//
// It is created minimised at the placement WINDOW.ini stores (else 749 x 603, placed by the system) and shown by the
// start-up. Closing it (the close box, or a second instance's WM_CLOSE) stores the placement in WINDOW.ini when the
// show state or size changed, and ends the run; the commands that end the run never come here.
#pragma once

#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // The program directory's WINDOW.ini.
    static CString PlacementFilePath();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CToolBar& GetToolBar() { return m_wndToolBar; }
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }

    int OnCreate(LPCREATESTRUCT createStruct);
    void OnClose();

protected:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
