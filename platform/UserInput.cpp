// User actions on the window model.
#include "platform/UserInput.h"

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CFrameWnd.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CToolBar.h"
#include "platform/CTreeCtrl.h"
#include "platform/EventLoop.h"

#include <chrono>

namespace platform {

namespace {

UINT g_heldModifiers = 0;

// Holds the modifiers for the length of one action.
struct HeldKeys {
    UINT previous;
    explicit HeldKeys(UINT modifiers) : previous(g_heldModifiers) { g_heldModifiers = modifiers; }
    ~HeldKeys() { g_heldModifiers = previous; }
};

template <class Control>
Control* As(CWnd& wnd, WindowKind kind)
{
    WindowData* data = FindWindowData(wnd.m_hWnd);
    if (!data || data->kind != kind || !UserInput::IsReachable(wnd.m_hWnd))
        return nullptr;
    // The object receiving the window's messages may be any class; the control's operations work on any binding.
    if (auto* typed = dynamic_cast<Control*>(&wnd))
        return typed;
    for (auto it = data->wrappers.rbegin(); it != data->wrappers.rend(); ++it)
        if (auto* typed = dynamic_cast<Control*>(*it))
            return typed;
    return nullptr;
}

LPARAM PointParam(CPoint p)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x)), static_cast<WORD>(static_cast<short>(p.y)));
}

WPARAM MouseFlags(UINT buttons)
{
    WPARAM flags = buttons;
    if (g_heldModifiers & UserInput::kControl)
        flags |= MK_CONTROL;
    if (g_heldModifiers & UserInput::kShift)
        flags |= MK_SHIFT;
    return flags;
}

bool SendMouse(CWnd& window, CPoint point, UINT message, UINT buttons)
{
    if (!FindWindowData(window.m_hWnd))
        return false;
    HWND target = CaptureWindow();
    if (target && target != window.m_hWnd) {
        window.ClientToScreen(&point);
        CWnd::FromHandle(target)->ScreenToClient(&point);
    } else {
        if (!UserInput::IsReachable(window.m_hWnd))
            return false;
        target = window.m_hWnd;
    }
    SendMessageA(target, message, MouseFlags(buttons), PointParam(point));
    return true;
}

}  // namespace

bool UserInput::IsReachable(HWND hwnd)
{
    WindowData* data = FindWindowData(hwnd);
    if (!data)
        return false;
    for (; data; data = FindWindowData(data->parent))
        if (!(data->style & WS_VISIBLE) || (data->style & WS_DISABLED))
            return false;
    return true;
}

bool UserInput::IsKeyHeld(UINT virtualKey)
{
    switch (virtualKey) {
    case VK_SHIFT: return (g_heldModifiers & kShift) != 0;
    case VK_CONTROL: return (g_heldModifiers & kControl) != 0;
    case VK_MENU: return (g_heldModifiers & kAlt) != 0;
    default: return false;
    }
}

bool UserInput::Click(CWnd& control)
{
    CButton* button = As<CButton>(control, WindowKind::Button);
    return button && button->UserClick();
}

bool UserInput::SelectItem(CWnd& control, int index)
{
    if (auto* combo = As<CComboBox>(control, WindowKind::ComboBox))
        return combo->UserSelect(index, true);
    if (auto* list = As<CListBox>(control, WindowKind::ListBox))
        return list->UserSelect(index);
    if (auto* tab = As<CTabCtrl>(control, WindowKind::Tab))
        return tab->UserSelect(index);
    if (auto* view = As<CListCtrl>(control, WindowKind::ListView))
        return view->UserClickRow(index);
    return false;
}

bool UserInput::DoubleClickItem(CWnd& control, int index)
{
    if (auto* view = As<CListCtrl>(control, WindowKind::ListView))
        return view->UserDoubleClickRow(index);
    auto* list = As<CListBox>(control, WindowKind::ListBox);
    return list && list->UserDoubleClick(index);
}

bool UserInput::CancelDropDown(CWnd& control)
{
    auto* combo = As<CComboBox>(control, WindowKind::ComboBox);
    return combo && combo->UserCancelDropDown();
}

bool UserInput::SelectTreeItem(CWnd& control, HTREEITEM item)
{
    auto* tree = As<CTreeCtrl>(control, WindowKind::TreeView);
    return tree && tree->UserSelect(item, TVC_BYMOUSE);
}

bool UserInput::ExpandTreeItem(CWnd& control, HTREEITEM item, UINT code)
{
    auto* tree = As<CTreeCtrl>(control, WindowKind::TreeView);
    return tree && tree->UserExpand(item, code);
}

bool UserInput::TypeText(CWnd& control, const CString& text)
{
    auto* edit = As<CEdit>(control, WindowKind::Edit);
    return edit && edit->UserType(text);
}

bool UserInput::ReplaceText(CWnd& control, const CString& text)
{
    auto* edit = As<CEdit>(control, WindowKind::Edit);
    if (!edit || (edit->GetStyle() & ES_READONLY))
        return false;
    HWND hwnd = edit->m_hWnd;
    edit->SetSel(0, -1);
    if (text.IsEmpty())
        return edit->UserDelete(false);
    if (!edit->UserType(text))
        return false;
    return FindWindowData(hwnd) != nullptr;
}

bool UserInput::Paste(CWnd& control, const CString& text)
{
    auto* edit = As<CEdit>(control, WindowKind::Edit);
    return edit && edit->UserPaste(text);
}

bool UserInput::SelectText(CWnd& control, int start, int end)
{
    auto* edit = As<CEdit>(control, WindowKind::Edit);
    if (!edit)
        return false;
    edit->SetSel(start, end);
    return true;
}

bool UserInput::PressKey(CWnd& target, UINT key, UINT modifiers)
{
    HWND hwnd = target.m_hWnd;
    WindowData* data = FindWindowData(hwnd);
    if (!data || !IsReachable(hwnd))
        return false;
    HeldKeys held(modifiers);
    CWnd* top = target.GetTopLevelParent();
    WindowData* topData = top ? FindWindowData(top->m_hWnd) : nullptr;

    if (topData && topData->kind == WindowKind::Frame) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(top)) {
            BYTE fVirt = static_cast<BYTE>(((modifiers & kControl) ? FCONTROL : 0) | ((modifiers & kAlt) ? FALT : 0) |
                                           ((modifiers & kShift) ? FSHIFT : 0));
            if (frame->TranslateAccelerator(key, fVirt))
                return true;
        }
    }

    bool wantsReturn = data->kind == WindowKind::Edit && (data->style & ES_MULTILINE) && (data->style & ES_WANTRETURN);
    if (topData && topData->kind == WindowKind::Dialog && (key == VK_ESCAPE || (key == VK_RETURN && !wantsReturn))) {
        auto* dialog = dynamic_cast<CDialog*>(top);
        int id = key == VK_ESCAPE ? IDCANCEL : (dialog ? dialog->GetDefaultButtonId() : IDOK);
        CWnd* button = top->GetDlgItem(id);
        if (button && key == VK_RETURN) {
            if (!IsReachable(button->m_hWnd))
                return true;  // a disabled default button takes no Enter
            return Click(*button);
        }
        top->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
        return true;
    }

    switch (data->kind) {
    case WindowKind::Edit:
        if (auto* edit = As<CEdit>(target, WindowKind::Edit)) {
            if (key == VK_BACK || key == VK_DELETE)
                return edit->UserDelete(key == VK_DELETE) || true;
            if (key == VK_RETURN)
                return edit->UserType("\r\n") || true;
        }
        break;
    case WindowKind::TreeView:
        if (auto* tree = As<CTreeCtrl>(target, WindowKind::TreeView))
            return tree->UserKey(key);
        break;
    case WindowKind::ListView:
        if (auto* list = As<CListCtrl>(target, WindowKind::ListView))
            return list->UserKey(key);
        break;
    case WindowKind::ComboBox:
        if (auto* combo = As<CComboBox>(target, WindowKind::ComboBox); combo && (key == VK_DOWN || key == VK_UP)) {
            int next = combo->GetCurSel() + (key == VK_DOWN ? 1 : -1);
            if (next >= 0 && next < combo->GetCount())
                combo->UserSelect(next, false);
            return true;
        }
        break;
    case WindowKind::ListBox:
        if (auto* list = As<CListBox>(target, WindowKind::ListBox); list && (key == VK_DOWN || key == VK_UP)) {
            int next = list->GetCurSel() + (key == VK_DOWN ? 1 : -1);
            if (next >= 0 && next < list->GetCount())
                list->UserSelect(next);
            return true;
        }
        break;
    case WindowKind::Tab:
        if (auto* tab = As<CTabCtrl>(target, WindowKind::Tab); tab && (key == VK_RIGHT || key == VK_LEFT)) {
            NMTCKEYDOWN nm {};
            nm.hdr.code = TCN_KEYDOWN;
            nm.wVKey = static_cast<WORD>(key);
            SendNotify(hwnd, nm.hdr);
            int next = tab->GetCurSel() + (key == VK_RIGHT ? 1 : -1);
            if (next >= 0 && next < tab->GetItemCount())
                tab->UserSelect(next);
            return true;
        }
        break;
    default:
        break;
    }
    SendMessageA(hwnd, WM_KEYDOWN, key, 1);
    return true;
}

bool UserInput::PressToolbarButton(CToolBar& toolBar, int index)
{
    return IsReachable(toolBar.m_hWnd) && toolBar.UserPress(index);
}

bool UserInput::HoverToolbarButton(CToolBar& toolBar, int index)
{
    return IsReachable(toolBar.m_hWnd) && toolBar.UserHover(index);
}

bool UserInput::CloseWindow(CWnd& topLevel)
{
    WindowData* data = FindWindowData(topLevel.m_hWnd);
    if (!data || data->parent || !(data->style & WS_SYSMENU) || !IsReachable(topLevel.m_hWnd))
        return false;
    topLevel.SendMessage(WM_CLOSE);
    return true;
}

bool UserInput::PlaceWindow(CWnd& topLevel, const CRect& normalRect, int showCmd)
{
    WindowData* data = FindWindowData(topLevel.m_hWnd);
    if (!data || data->parent || !(data->style & WS_VISIBLE) || normalRect.Width() <= 0 || normalRect.Height() <= 0)
        return false;
    WINDOWPLACEMENT placement;
    topLevel.GetWindowPlacement(&placement);
    if (CRect(placement.rcNormalPosition) == normalRect && static_cast<int>(placement.showCmd) == showCmd)
        return true;
    placement.rcNormalPosition = normalRect;
    placement.showCmd = static_cast<UINT>(showCmd);
    return topLevel.SetWindowPlacement(&placement) != FALSE;
}

bool UserInput::MouseMove(CWnd& window, CPoint point)
{
    return SendMouse(window, point, WM_MOUSEMOVE, 0);
}

bool UserInput::LButtonDown(CWnd& window, CPoint point)
{
    return SendMouse(window, point, WM_LBUTTONDOWN, MK_LBUTTON);
}

bool UserInput::LButtonUp(CWnd& window, CPoint point)
{
    return SendMouse(window, point, WM_LBUTTONUP, 0);
}

bool UserInput::BeginDragRow(CWnd& control, int row, CPoint point)
{
    auto* list = As<CListCtrl>(control, WindowKind::ListView);
    return list && list->UserBeginDrag(row, point);
}

bool UserInput::DragRow(CWnd& control, int from, int to, UINT key, UINT modifiers)
{
    auto* list = As<CListCtrl>(control, WindowKind::ListView);
    if (!list || from < 0 || from >= list->GetItemCount() || to < -1 || to >= list->GetItemCount())
        return false;
    HWND hwnd = list->m_hWnd;
    list->EnsureVisible(from, FALSE);
    if (!list->UserBeginDrag(from, list->RowGrabPoint(from)))
        return false;
    CPoint point = CListCtrl::BesidePoint();
    if (to < 0) {
        MouseMove(*list, point);
    } else {
        const int top = list->GetTopIndex();
        const int last = top + list->GetCountPerPage() - 1;
        point = list->RowGrabPoint(to < top ? top : (to > last ? last : to));
        MouseMove(*list, point);
        // Held at the edge: the list scrolls itself until the wanted row is under the pointer.
        EventLoop& loop = EventLoop::Current();
        const auto deadline = EventLoop::Clock::now() + std::chrono::milliseconds(300 * (list->GetItemCount() + 10));
        const std::uint64_t wake = loop.AddTimer(std::chrono::milliseconds(50), [] {});
        loop.RunUntil(
            [&] {
                CListCtrl* shown = FindWindowData(hwnd) ? list : nullptr;
                return !shown || shown->HitTest(point) == to || !CaptureWindow() ||
                       EventLoop::Clock::now() >= deadline;
            },
            false);
        loop.RemoveTimer(wake);
        if (!FindWindowData(hwnd))
            return true;
        // Never got there (the list did not scroll in time, or the capture went elsewhere): the person gives up
        // with Escape rather than drop the row on another one.
        if (list->HitTest(point) != to) {
            PressKey(*list, VK_ESCAPE);
            if (FindWindowData(hwnd))
                LButtonUp(*list, point);
            return false;
        }
    }
    if (key)
        PressKey(*list, key, modifiers);
    if (FindWindowData(hwnd))
        LButtonUp(*list, point);
    return true;
}

}  // namespace platform
