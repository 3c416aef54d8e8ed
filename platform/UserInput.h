// The one place user actions enter the window model: the window backend turns each widget signal into one of these
// calls, and the test driver calls them to act as a user.
//
// Each action changes the control's state first and then sends exactly the notifications the original platform sends
// for it (see each control's header). It returns false, changing nothing, when a user could not do it: the window does
// not exist, it or one of its ancestors is hidden or disabled (a modal dialog disables its owner), or the index names
// no item.
#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CString.h"
#include "platform/WindowTypes.h"

class CWnd;
class CToolBar;

namespace platform {

class UserInput {
public:
    // Modifier keys held during PressKey.
    static constexpr UINT kShift = 0x1;
    static constexpr UINT kControl = 0x2;
    static constexpr UINT kAlt = 0x4;

    // A click on a button, check box or radio button.
    static bool Click(CWnd& control);
    // Picking an item of a combo box or list box, a tab, or a row of a list view.
    static bool SelectItem(CWnd& control, int index);
    // A double click on an item of a list box or a row of a list view.
    static bool DoubleClickItem(CWnd& control, int index);
    // Opening a combo box's list and closing it without a choice.
    static bool CancelDropDown(CWnd& combo);
    static bool SelectTreeItem(CWnd& tree, HTREEITEM item);
    static bool ExpandTreeItem(CWnd& tree, HTREEITEM item, UINT code);

    // Typing into an edit field at its selection, character by character.
    static bool TypeText(CWnd& edit, const CString& text);
    // Selecting all of an edit field's text and typing text over it.
    static bool ReplaceText(CWnd& edit, const CString& text);
    static bool Paste(CWnd& edit, const CString& text);
    // Selecting text with the mouse (no notification).
    static bool SelectText(CWnd& edit, int start, int end);

    // A key pressed while the window has the focus, with modifiers held. The frame's accelerators come first; in a
    // dialog, Escape cancels and Enter presses the default button (except in a multi-line edit that wants returns);
    // lists, trees, tabs, combo boxes and edits handle their keys; anything else becomes WM_KEYDOWN.
    static bool PressKey(CWnd& target, UINT key, UINT modifiers = 0);
    static bool IsKeyHeld(UINT virtualKey);

    static bool PressToolbarButton(CToolBar& toolBar, int index);
    // Pointing at a toolbar button (-1: leaving the toolbar).
    static bool HoverToolbarButton(CToolBar& toolBar, int index);

    // The close box of a top-level window: WM_CLOSE. A window without WS_SYSMENU has no close box.
    static bool CloseWindow(CWnd& topLevel);
    // Moving, resizing, minimising, maximising or restoring a shown top-level window by its frame (the window
    // manager): the restored placement becomes normalRect and the show state showCmd (SW_SHOWNORMAL,
    // SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED). A resize sends WM_SIZE.
    static bool PlaceWindow(CWnd& topLevel, const CRect& normalRect, int showCmd);

    // Mouse actions at a point in the window's client coordinates; a window that holds the capture receives them in
    // its own client coordinates.
    static bool MouseMove(CWnd& window, CPoint point);
    static bool LButtonDown(CWnd& window, CPoint point);
    static bool LButtonUp(CWnd& window, CPoint point);
    // The start of dragging a list view row (LVN_BEGINDRAG), at a point in the list's client coordinates.
    static bool BeginDragRow(CWnd& list, int row, CPoint point);
    // A whole drag of a list view row, as a person makes it: the row `from` is scrolled into view with the scroll
    // bar and grabbed; the pointer goes to row `to` when it is in view, else to the top visible or the last fully
    // visible row and is held there until the list, scrolling itself, brings row `to` under it (at most a few
    // seconds more than a row per 300 ms); `to` -1 goes to a point of the list's parent beside the list. With
    // `key` not 0 that key (with modifiers) is pressed in the list before the button is released. False when no
    // drag could start (no such rows, or a list a person cannot reach) and when row `to` never came under the
    // pointer: then the drag is cancelled with Escape before the button is released.
    static bool DragRow(CWnd& list, int from, int to, UINT key = 0, UINT modifiers = 0);

    // Whether a user could act on the window now.
    static bool IsReachable(HWND hwnd);
};

}  // namespace platform
