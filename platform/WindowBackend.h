// The window backend: real windows for the window model, loaded at run time from a module beside the executable.
//
// The program itself links no toolkit, so the file commands start as fast as a headless build. The model calls
// EnsureWindowBackend when a top-level window (frame, modal dialog, message box, file dialog) is about to be shown;
// the module is loaded then, once, and only when the program named one (platform/ApplicationNames.h), a display is
// there (DISPLAY or WAYLAND_DISPLAY set) and the program's headless variable is not "1". A module that cannot be loaded, or a display that cannot be opened, leaves the model
// headless with one line on standard error.
//
// The module exports one entry point, kWindowBackendEntry, of type WindowBackendEntry: it mirrors every window that
// already exists, observes the model from then on (platform/WindowObserver.h), installs its prompts
// (platform/Prompts.h) and hooks the toolkit into the event loop (platform/EventLoop.h). It returns null when the
// display cannot be opened.
#pragma once

#include "platform/CRect.h"
#include "platform/WindowTypes.h"

#include <string>

namespace platform {

class WindowBackend {
public:
    virtual ~WindowBackend() = default;
    // Where the window's widget is on the screen now, in pixels; false when it has none or is not shown.
    virtual bool ScreenRectOf(HWND hwnd, CRect& rect) = 0;
    // The same for a part of a window that is no window of its own: a toolbar's button by its index.
    virtual bool ScreenRectOfPart(HWND hwnd, int part, CRect& rect) = 0;
    // Lets the toolkit draw and deliver what is pending (no model task runs); for tools and tests that look at
    // the screen.
    virtual void Flush() = 0;
    // The native window id (an X11 window) of a top-level window, or 0.
    virtual unsigned long NativeWindowId(HWND hwnd) = 0;
    // Where the shown widgets of a top-level window lie and what size their contents ask for, once the toolkit has
    // laid them out: one line per item, for a check of the layout (the format is the backend's; empty when it has
    // none).
    virtual std::string LayoutReport(HWND top)
    {
        (void)top;
        return {};
    }
};

// The entry point every backend module exports.
inline constexpr const char* kWindowBackendEntry = "platform_window_backend_start";
extern "C" {
using WindowBackendEntry = WindowBackend* (*)();
}

// Loads the backend when it is wanted and possible; returns it, or null when the model stays headless. Tries once.
WindowBackend* EnsureWindowBackend();
// Only loads the module, when a backend is wanted, without starting it (the first window shown starts it): for a
// program that is about to show a window and would load other libraries meanwhile, which would otherwise wait for
// the module's load or hold it up. Tries once, and reports a module that cannot be loaded as EnsureWindowBackend
// does.
void LoadWindowBackend();
// The loaded backend, or null; never loads.
WindowBackend* ActiveWindowBackend();

}  // namespace platform
