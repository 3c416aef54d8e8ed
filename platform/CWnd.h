// CWnd: a window of the model, seen through its handle.
//
// The window's state (id, text, style, show state, enabled state, rectangle, parent, children, timers and, for a
// control, the control's own state) lives in the model under its HWND; a CWnd object is attached to a handle and
// works on that state, so a control member bound by DDX_Control and the control the template created are the same
// control. Messages of a window go to the last CWnd attached to it (the dialog, view or frame object, or a control
// class that handles reflected notifications).
//
// Notifications: SetWindowText sends nothing, except on a single-line edit (see CEdit.h). ShowWindow, EnableWindow,
// MoveWindow and SetDlgCtrlID send nothing to handlers. Every change is reported to the window observers.
//
// Lifetime: a CWnd destroyed while it owns the window it created destroys the window. Frames and views delete themselves after their window is destroyed (PostNcDestroy), so they
// must be created with new.
//
// Files: CWnd.cpp holds the tree, state, geometry and lifetime; CWndMessages.cpp holds sending, posting, timers,
// dispatch through the message maps, command handling and dialog data exchange.
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CRect.h"
#include "platform/CString.h"
#include "platform/WindowData.h"

#include <memory>

class CDataExchange;
class CFrameWnd;
struct CCreateContext;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object that receives the window's messages, or null for no such window.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd) { return FromHandle(hwnd); }

    // Binding to an existing window: the object then works on that window and receives its messages until it is
    // unbound or destroyed. Fails when this object is already bound or the window does not exist.
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd) { return Attach(hwnd); }
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow() { return Detach(); }

    // A plain window of the model (className is recorded only). WM_CREATE runs OnCreate; -1 fails the creation.
    // A failed creation leaves no window, and the object (even a frame or view) stays with its creator.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    // Sends WM_DESTROY, destroys the children, kills the timers, releases focus and capture, unbinds every object and
    // calls PostNcDestroy on the object that received the messages.
    virtual BOOL DestroyWindow();
    virtual void PostNcDestroy() {}
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Tree.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* phwnd) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    BOOL IsChild(const CWnd* wnd) const;
    BOOL IsWindow() const;

    // Text and style.
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int maxCount) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    // Show and enabled state. ShowWindow returns whether the window was visible before.
    BOOL ShowWindow(int cmdShow);
    BOOL IsWindowVisible() const;  // this window and all its ancestors are shown
    BOOL EnableWindow(BOOL enable = TRUE);  // returns whether the window was disabled before
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;

    // Geometry. Child rectangles are in the parent's client coordinates, top-level ones in screen coordinates; the
    // client area of a window is its whole rectangle.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    void RedrawWindow() { UpdateWindow(); }

    // Focus, activation, capture.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    // The deepest shown window under a screen point, topmost first; null over no window.
    static CWnd* WindowFromPoint(POINT point);
    // The screen as a window: a window object without a window, for calls that name the desktop (drag images).
    static CWnd* GetDesktopWindow();

    // Messages. SendMessage dispatches at once; PostMessage queues (WM_CLOSE waits until no modal loop runs).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A periodic WM_TIMER with wParam id every elapse milliseconds until KillTimer; setting an id again restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void (*timerProc)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
    BOOL KillTimer(UINT_PTR id);
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // Dialog data exchange: DoDataExchange in the direction asked, with this window's control notifications
    // locked out, so no handler runs. Returns false when a value could not be taken from a control.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    // Children by id.
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    BOOL CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // Dispatch.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: a control notification goes to this window's map (dropped while UpdateData locks it out); a command
    // without a control (toolbar button, accelerator) runs only when enabled by the update handlers.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: first offered to the sending control (ON_NOTIFY_REFLECT), then to this window's map.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The default processing of the message being dispatched.
    LRESULT Default();

    // Default handlers that derived handlers call as their base.
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnSize(UINT, int, int) { Default(); }

protected:
    // Creates the window record of the given kind and binds this object as its creator; the common path of every
    // creation in the model.
    BOOL CreateModelWindow(platform::WindowKind kind, LPCTSTR text, DWORD style, DWORD exStyle, const RECT& rect,
                           CWnd* parent, UINT id, std::unique_ptr<platform::ControlState> state,
                           LPVOID param = nullptr, HWND owner = nullptr);
    // Destroys a window whose creation failed half-way; the object stays with its creator (no PostNcDestroy).
    void DestroyAfterFailedCreation();
    platform::WindowData* Data() const;
    template <class State>
    State* StateAs() const;

private:
    bool m_ownsWindow = false;
};

template <class State>
State* CWnd::StateAs() const
{
    platform::WindowData* data = Data();
    return data ? dynamic_cast<State*>(data->state.get()) : nullptr;
}

// The Win32 calls on windows by handle, local windows first; see Win32Window.h for FindWindowA and PostMessageA.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL ShowWindow(HWND hwnd, int cmdShow);
BOOL IsWindow(HWND hwnd);
void PostQuitMessage(int exitCode);
