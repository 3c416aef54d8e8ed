// CFrameWnd: a top-level frame window with its active view, control bars and accelerators.
//
// Command routing: a command that reaches the frame (a toolbar button, an accelerator, or WM_COMMAND sent to the
// frame) is offered to the active view, then to that view's document, then to the frame's own handlers, and last to
// the application; the first target with a handler carries it out. A command from a toolbar button or an accelerator
// runs only when the command update handlers leave it enabled (see CCmdUI.h).
//
// Layout (RecalcLayout): the status bar (AFX_IDW_STATUS_BAR) takes the bottom, a toolbar with CBRS_ALIGN_LEFT the
// left edge above it (CBRS_ALIGN_TOP the top), and the child with the id AFX_IDW_PANE_FIRST the rest; other children
// keep their rectangles.
//
// A frame created by a document template creates its first view from the creation context in OnCreate. A frame with
// a title is reachable by that exact title from other processes (FindWindowA, PostMessageA). When the application's
// main window is destroyed the main loop ends. Frames delete themselves when destroyed (create them with new).
#pragma once

#include "platform/CCreateContext.h"
#include "platform/CWnd.h"

#include <vector>

class CView;
class CDocument;
class CToolBar;
class CStatusBar;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;

    // Creates the frame with the title of string resource resourceId (its text up to the first "\n"), and the menu
    // and accelerator table of the same id, when there are.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                           CCreateContext* context = nullptr);
    BOOL Create(LPCTSTR className, LPCTSTR title, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = CRect(0, 0, 0, 0), CWnd* parent = nullptr, LPCTSTR menuName = nullptr,
                DWORD exStyle = 0, CCreateContext* context = nullptr);

    // The id of the menu resource the frame shows as its menu bar; 0 for none.
    UINT GetMenuId() const { return m_nMenuId; }

    CView* GetActiveView() const { return m_pViewActive; }
    // Deactivates the old view and, with notify, activates the new one (see CView.h); nothing happens when view is
    // already the active one.
    void SetActiveView(CView* view, BOOL notify = TRUE);
    CDocument* GetActiveDocument() const;
    CView* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
    // Shows the frame; -1 shows it in its current state (a minimised frame stays minimised).
    virtual void ActivateFrame(int cmdShow = -1);
    virtual void RecalcLayout(BOOL notify = TRUE);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo) override;

    // Status bar message pane.
    void SetMessageText(LPCTSTR text);
    void SetMessageText(UINT stringId);
    CStatusBar* GetMessageBar() const;

    // Brings every toolbar button in line with the command update handlers (done when the main loop is idle).
    void UpdateCommandUI();
    BOOL LoadAccelTable(UINT id);
    void SetAccelerators(std::vector<ACCEL> table) { m_accelerators = std::move(table); }
    const std::vector<ACCEL>& GetAccelerators() const { return m_accelerators; }
    // Sends the command of the accelerator matching the key and the held modifiers (FCONTROL, FALT, FSHIFT); false
    // when none matches.
    bool TranslateAccelerator(UINT key, BYTE modifiers);
    void EnableDocking(DWORD) {}

    void PostNcDestroy() override;

    BOOL m_bAutoMenuEnable = TRUE;

    int OnCreate(LPCREATESTRUCT createStruct);
    void OnClose();
    void OnSize(UINT type, int cx, int cy);

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);

    CView* m_pViewActive = nullptr;
    std::vector<ACCEL> m_accelerators;
    UINT m_nMenuId = 0;

    DECLARE_MESSAGE_MAP()
};
