// CWnd: sending and posting messages, timers, dispatch through the message maps, command handling and data exchange.
#include "platform/BoundControl.h"
#include "platform/CButton.h"
#include "platform/CCmdUI.h"
#include "platform/CDataExchange.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/EventLoop.h"
#include "platform/Prompts.h"

#include <chrono>

namespace {

struct CurrentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

thread_local const CurrentMessage* t_current = nullptr;
thread_local HWND t_lockout = nullptr;
thread_local bool t_quit = false;
thread_local int t_quitCode = 0;

}  // namespace

namespace platform {

bool QuitRequested() { return t_quit; }
int QuitExitCode() { return t_quitCode; }
void ResetQuit()
{
    t_quit = false;
    t_quitCode = 0;
}

HWND LockoutWindow()
{
    return t_lockout;
}

void PostLocalMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(wParam));
        return;
    }
    auto task = [hwnd, message, wParam, lParam] {
        if (FindWindowData(hwnd))
            SendMessageA(hwnd, message, wParam, lParam);
    };
    // A close must never act under a running handler's modal loop (a dialog, a message box, a transfer wait).
    if (message == WM_CLOSE)
        EventLoop::Current().PostDeferred(task);
    else
        EventLoop::Current().Post(task);
}

}  // namespace platform

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->WindowProc(message, wParam, lParam) : 0;
}

void PostQuitMessage(int exitCode)
{
    t_quit = true;
    t_quitCode = exitCode;
    platform::EventLoop::Current().Post([] {});  // wakes a waiting loop so that it sees the request
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!Data())
        return FALSE;
    platform::PostLocalMessage(m_hWnd, message, wParam, lParam);
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void (*timerProc)(HWND, UINT, UINT_PTR, DWORD))
{
    platform::WindowData* data = Data();
    if (!data)
        return 0;
    platform::EventLoop& loop = platform::EventLoop::Current();
    auto existing = data->timers.find(id);
    if (existing != data->timers.end())
        loop.RemoveTimer(existing->second);
    HWND hwnd = m_hWnd;
    data->timers[id] = loop.AddTimer(std::chrono::milliseconds(elapse), [hwnd, id, timerProc] {
        if (!platform::FindWindowData(hwnd))
            return;
        if (timerProc)
            timerProc(hwnd, WM_TIMER, id, 0);
        else
            SendMessageA(hwnd, WM_TIMER, id, 0);
    });
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    platform::WindowData* data = Data();
    if (!data)
        return FALSE;
    auto it = data->timers.find(id);
    if (it == data->timers.end())
        return FALSE;
    platform::EventLoop::Current().RemoveTimer(it->second);
    data->timers.erase(it);
    return TRUE;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return MessageBoxA(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    if (!Data())
        return FALSE;
    HWND previous = t_lockout;
    t_lockout = m_hWnd;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    t_lockout = previous;
    return !dx.m_bFailed;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    if (CWnd* item = GetDlgItem(id))
        item->GetWindowText(text);
    return text.GetLength();
}

BOOL CWnd::CheckDlgButton(int id, UINT check)
{
    CWnd* item = GetDlgItem(id);
    if (!item)
        return FALSE;
    platform::BoundControl<CButton> button(item->m_hWnd);
    button->SetCheck(static_cast<int>(check));
    return TRUE;
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* item = GetDlgItem(id);
    if (!item)
        return 0;
    platform::BoundControl<CButton> button(item->m_hWnd);
    return static_cast<UINT>(button->GetCheck());
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id))
            return id;
    return 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage current {m_hWnd, message, wParam, lParam};
    const CurrentMessage* previous = t_current;
    t_current = &current;
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    t_current = previous;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT notifyResult = 0;
        if (!OnNotify(wParam, lParam, &notifyResult))
            return FALSE;
        *result = notifyResult;
        return TRUE;
    }
    const platform::MessageMapEntry* entry =
        platform::FindMessageEntry(GetMessageMap(), platform::EntryKind::Message, message, 0, 0);
    if (!entry)
        return FALSE;
    *result = CallEntry(*entry, message, wParam, lParam, 0, nullptr);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow();
    return 0;
}

LRESULT CWnd::Default()
{
    if (!t_current || t_current->hwnd != m_hWnd)
        return 0;
    return DefWindowProc(t_current->message, t_current->wParam, t_current->lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        if (t_lockout == m_hWnd)
            return TRUE;  // data exchange in progress: the program's own change reaches no handler
    } else {
        // A command from a toolbar button or an accelerator: a disabled command does nothing.
        if (!platform::IsCommandEnabled(this, id))
            return TRUE;
        code = CN_COMMAND;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (t_lockout == m_hWnd)
        return TRUE;
    platform::NotifyInfo info {header, result};
    if (CWnd* control = FromHandle(header->hwndFrom)) {
        if (const platform::MessageMapEntry* entry = platform::FindMessageEntry(
                control->GetMessageMap(), platform::EntryKind::NotifyReflect, WM_NOTIFY, header->code, 0)) {
            control->CallEntry(*entry, WM_NOTIFY, header->idFrom, lParam, static_cast<UINT>(header->idFrom), &info);
            return TRUE;
        }
    }
    return OnCmdMsg(static_cast<UINT>(header->idFrom), static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY)),
                    &info, nullptr);
}
