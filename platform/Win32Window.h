// The Win32 window calls the program makes by handle, on the window model.
//
// FindWindowA and PostMessageA look at this process's windows first; a title that no local top-level window has is
// looked up among the frames other processes of this user publish (platform/RemoteWindow.h), and a message posted to
// such a window travels there.
#pragma once

#include "platform/CWnd.h"

// The top-level window with exactly this title (className is not compared), or a handle for another process's
// window of that title, or null.
HWND FindWindowA(LPCSTR className, LPCSTR windowName);
// Queues the message for the window (another process's window: hands it over); false when there is no such window or
// the hand-over failed. A WM_CLOSE waits until no modal loop runs.
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
HWND GetDlgItem(HWND dialog, int id);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void (*timerProc)(HWND, UINT, UINT_PTR, DWORD));
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Negative while the key is held during a user action (see platform::UserInput::PressKey).
short GetKeyState(int virtualKey);
