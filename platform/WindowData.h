// The model's record of one window, kept per handle; shared by the window model's own files and the window backend.
//
// Forms and dialogs never use it: they see windows through CWnd and the control classes.
#pragma once

#include "platform/CRect.h"
#include "platform/CString.h"
#include "platform/WindowObserver.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CWnd;

namespace platform {

// Per-kind state of a control; each control class defines its own in its source file.
struct ControlState {
    virtual ~ControlState() = default;
    // Runs after SetWindowText changed the text (an edit resets its selection and may notify).
    virtual void TextSetByCode(HWND) {}
    // Supplies the window text when the control shows something else than its own text (a drop-down list shows
    // its selected item). Returns false to use the window's own text.
    virtual bool TextOverride(CString&) const { return false; }
};

enum class ShowState { Normal, Minimized, Maximized };

struct WindowData {
    HWND hwnd = nullptr;
    WindowKind kind = WindowKind::Generic;
    UINT id = 0;
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;              // in the parent's client coordinates; in screen coordinates for a top-level window
    CRect normalRect;        // a top-level window's restored placement
    ShowState showState = ShowState::Normal;
    HWND parent = nullptr;   // null for a top-level window
    HWND owner = nullptr;    // a top-level window's owner (a dialog's main window), or null
    std::vector<HWND> children;  // in creation order, which is also the tab and group order
    std::vector<CWnd*> wrappers;  // every attached CWnd; the last one receives the window's messages
    std::unique_ptr<CWnd> ownedWrapper;  // a wrapper the model made (template controls)
    std::unique_ptr<ControlState> state;
    std::map<UINT_PTR, std::uint64_t> timers;  // window timer id -> event-loop timer
    bool destroying = false;
    bool published = false;  // a frame whose title other processes can reach
    CString publishedTitle;
};

WindowData* FindWindowData(HWND hwnd);
WindowData& CreateWindowData(WindowKind kind);
void EraseWindowData(HWND hwnd);

// Top-level windows in creation order (the last is the topmost).
std::vector<HWND> TopLevelWindows();
void RegisterTopLevel(HWND hwnd);
void BringToTop(HWND hwnd);

// Per-thread interaction state.
HWND FocusWindow();
void SetFocusWindow(HWND hwnd);
HWND CaptureWindow();
void SetCaptureWindow(HWND hwnd);
HWND ActiveWindow();
void SetActiveWindowHandle(HWND hwnd);

// The screen the model places top-level windows on; the window backend sets the real one.
CRect ScreenRect();
void SetScreenRect(const CRect& rect);

// A quit request (PostQuitMessage) ends the main loop and every modal loop.
bool QuitRequested();
int QuitExitCode();
void ResetQuit();

// The window whose control notifications are dropped while its UpdateData runs, or null.
HWND LockoutWindow();

// Queues a message for a window of this process; a WM_CLOSE waits until no modal loop runs.
void PostLocalMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes a titled top-level frame reachable by its title from other processes. A title another live process holds
// cannot be published; the main loop tries again while idle, so the frame becomes reachable once that process ended.
void PublishFrameTitle(WindowData* data);
void RetryPublishingFrameTitles();

// The window that receives the notifications of a control (its parent), and the notification helpers.
void SendCommandNotification(HWND control, UINT code);
LRESULT SendNotify(HWND control, NMHDR& header);

}  // namespace platform
