// The one place a window backend observes the model: every state change of every window and control is reported
// here, after the model has changed, whether code or a user made it.
//
// A backend mirrors the reported window into its widget by reading the model back through the window's classes
// (CWnd, CComboBox, ...). Observers never change the model from inside a report; user actions enter through
// platform::UserInput instead.
#pragma once

#include "platform/WindowTypes.h"

namespace platform {

enum class WindowKind {
    Generic,
    Frame,
    Dialog,
    View,
    Button,
    Static,
    Edit,
    ComboBox,
    ListBox,
    TreeView,
    ListView,
    Tab,
    Progress,
    ToolBar,
    StatusBar,
};

enum class WindowChange {
    Created,
    Destroyed,
    Text,        // window text, caption, button or static label
    Style,       // style bits other than visible and disabled
    Visibility,  // shown or hidden, minimised, maximised, restored
    Enabled,
    Placement,   // position or size
    Id,          // child id exchanged
    Items,       // items, rows, columns, tabs, tree items, toolbar buttons or status panes added, removed or changed
    Selection,   // current selection, caret, selected text range, item states
    Check,       // check state of a button
    Value,       // progress position or range
    Focus,
    Repaint,     // the window asked to be drawn again now
};

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void WindowChanged(HWND hwnd, WindowChange change) = 0;
    virtual void CursorChanged(HCURSOR) {}
    // The drag image began, entered, moved, was shown or hidden, left or ended (CImageList::GetDragState()).
    virtual void DragImageChanged() {}
};

void AddWindowObserver(WindowObserver* observer);
void RemoveWindowObserver(WindowObserver* observer);

// Reports a change to every observer; called by the model only.
void NotifyWindowChanged(HWND hwnd, WindowChange change);
void NotifyCursorChanged(HCURSOR cursor);
void NotifyDragImageChanged();

}  // namespace platform
