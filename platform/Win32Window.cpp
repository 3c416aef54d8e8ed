// Win32 window calls by handle, local windows first, then other processes' published frames.
#include "platform/Win32Window.h"

#include "platform/RemoteWindow.h"
#include "platform/UserInput.h"

#include <map>

namespace {

// Handles of other processes' windows, by title.
std::map<HWND, CString>& RemoteHandles()
{
    static std::map<HWND, CString> handles;
    return handles;
}

HWND RemoteHandleFor(const CString& title)
{
    for (const auto& [hwnd, t] : RemoteHandles())
        if (t == title)
            return hwnd;
    // A handle value of its own that no local window will ever get.
    HWND hwnd = platform::CreateWindowData(platform::WindowKind::Generic).hwnd;
    platform::EraseWindowData(hwnd);
    RemoteHandles()[hwnd] = title;
    return hwnd;
}

}  // namespace

HWND FindWindowA(LPCSTR, LPCSTR windowName)
{
    if (!windowName)
        return nullptr;
    for (HWND hwnd : platform::TopLevelWindows()) {
        platform::WindowData* data = platform::FindWindowData(hwnd);
        if (data && data->text == windowName)
            return hwnd;
    }
    if (platform::remote::Exists(windowName))
        return RemoteHandleFor(windowName);
    return nullptr;
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (platform::FindWindowData(hwnd)) {
        platform::PostLocalMessage(hwnd, message, wParam, lParam);
        return TRUE;
    }
    auto it = RemoteHandles().find(hwnd);
    if (it != RemoteHandles().end())
        return platform::remote::Post(it->second, message, wParam, lParam) ? TRUE : FALSE;
    return FALSE;
}

LONG GetWindowLongA(HWND hwnd, int index)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    if (!wnd)
        return 0;
    switch (index) {
    case GWL_ID: return wnd->GetDlgCtrlID();
    case GWL_STYLE: return static_cast<LONG>(wnd->GetStyle());
    case GWL_EXSTYLE: return static_cast<LONG>(wnd->GetExStyle());
    default: return 0;
    }
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    if (!wnd)
        return 0;
    LONG old = GetWindowLongA(hwnd, index);
    switch (index) {
    case GWL_ID: wnd->SetDlgCtrlID(static_cast<int>(value)); break;
    case GWL_STYLE: wnd->ModifyStyle(0xFFFFFFFFu, static_cast<DWORD>(value)); break;
    case GWL_EXSTYLE: wnd->ModifyStyleEx(0xFFFFFFFFu, static_cast<DWORD>(value)); break;
    default: return 0;
    }
    return old;
}

HWND GetActiveWindow()
{
    return platform::ActiveWindow();
}

HWND GetForegroundWindow()
{
    return platform::ActiveWindow();
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->GetWindowPlacement(placement) : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->EnableWindow(enable) : FALSE;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    if (!wnd)
        return FALSE;
    wnd->SetWindowText(text);
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id)
{
    CWnd* wnd = CWnd::FromHandle(dialog);
    CWnd* item = wnd ? wnd->GetDlgItem(id) : nullptr;
    return item ? item->m_hWnd : nullptr;
}

HWND SetCapture(HWND hwnd)
{
    HWND old = platform::CaptureWindow();
    if (platform::FindWindowData(hwnd))
        platform::SetCaptureWindow(hwnd);
    return old;
}

BOOL ReleaseCapture()
{
    platform::SetCaptureWindow(nullptr);
    return TRUE;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void (*timerProc)(HWND, UINT, UINT_PTR, DWORD))
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->SetTimer(id, elapse, timerProc) : 0;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->KillTimer(id) : FALSE;
}

short GetKeyState(int virtualKey)
{
    return platform::UserInput::IsKeyHeld(static_cast<UINT>(virtualKey)) ? static_cast<short>(-128) : 0;
}
