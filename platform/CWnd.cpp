// CWnd: the window tree, window state, geometry and lifetime. Message dispatch is in CWndMessages.cpp.
#include "platform/CWnd.h"

#include "platform/CFrameWnd.h"
#include "platform/EventLoop.h"
#include "platform/RemoteWindow.h"
#include "platform/WindowBackend.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

CRect& Screen()
{
    static CRect screen(0, 0, 1280, 1024);
    return screen;
}

// The window's rectangle in screen coordinates.
CRect ScreenRectOf(const platform::WindowData* data)
{
    CRect r = data->rect;
    for (const platform::WindowData* p = platform::FindWindowData(data->parent); p;
         p = platform::FindWindowData(p->parent))
        r.OffsetRect(p->rect.left, p->rect.top);
    return r;
}

void SetRectAndNotify(platform::WindowData* data, const CRect& rect)
{
    if (data->rect == rect)
        return;
    bool resized = data->rect.Size() != rect.Size();
    data->rect = rect;
    if (!data->parent && data->showState == platform::ShowState::Normal)
        data->normalRect = rect;
    platform::NotifyWindowChanged(data->hwnd, platform::WindowChange::Placement);
    if (resized)
        SendMessageA(data->hwnd, WM_SIZE,
                     data->showState == platform::ShowState::Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                     MAKELPARAM(static_cast<WORD>(rect.Width()), static_cast<WORD>(rect.Height())));
}

bool DestroyModelWindow(HWND hwnd, bool callPostNcDestroy = true)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (!data || data->destroying)
        return false;
    data->destroying = true;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);

    std::vector<HWND> children = platform::FindWindowData(hwnd)->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        DestroyModelWindow(*it);

    data = platform::FindWindowData(hwnd);
    for (const auto& [id, loopTimer] : data->timers)
        platform::EventLoop::Current().RemoveTimer(loopTimer);
    data->timers.clear();
    if (data->published)
        platform::remote::Unpublish(data->publishedTitle);
    if (platform::WindowData* parent = platform::FindWindowData(data->parent)) {
        auto& list = parent->children;
        list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    }
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Destroyed);

    CWnd* receiver = data->wrappers.empty() ? nullptr : data->wrappers.back();
    for (CWnd* w : data->wrappers)
        w->m_hWnd = nullptr;
    data->wrappers.clear();
    std::unique_ptr<CWnd> owned = std::move(data->ownedWrapper);
    platform::EraseWindowData(hwnd);
    if (callPostNcDestroy && receiver && receiver != owned.get())
        receiver->PostNcDestroy();
    return true;
}

}  // namespace

namespace platform {

CRect ScreenRect() { return Screen(); }
void SetScreenRect(const CRect& rect) { Screen() = rect; }

}  // namespace platform

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    if (m_ownsWindow)
        DestroyModelWindow(m_hWnd);
    else
        Detach();
}

platform::WindowData* CWnd::Data() const
{
    return platform::FindWindowData(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (!data)
        return nullptr;
    if (data->wrappers.empty()) {
        data->ownedWrapper = std::make_unique<CWnd>();
        data->ownedWrapper->m_hWnd = hwnd;
        data->wrappers.push_back(data->ownedWrapper.get());
    }
    return data->wrappers.back();
}

BOOL CWnd::Attach(HWND hwnd)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (m_hWnd || !data)
        return FALSE;
    data->wrappers.push_back(this);
    m_hWnd = hwnd;
    m_ownsWindow = false;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (platform::WindowData* data = Data()) {
        auto& list = data->wrappers;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    m_hWnd = nullptr;
    m_ownsWindow = false;
    return hwnd;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    CWnd* item = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item ? Attach(item->m_hWnd) : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext* context)
{
    return CreateEx(0, className, windowName, style, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateModelWindow(platform::WindowKind::Generic, windowName, style, exStyle, rect, parent, id, nullptr,
                             param);
}

BOOL CWnd::CreateModelWindow(platform::WindowKind kind, LPCTSTR text, DWORD style, DWORD exStyle, const RECT& rect,
                             CWnd* parent, UINT id, std::unique_ptr<platform::ControlState> state, LPVOID param,
                             HWND owner)
{
    if (m_hWnd || (parent && !parent->Data()))
        return FALSE;
    CREATESTRUCT cs {param,
                     nullptr,
                     nullptr,
                     parent ? parent->m_hWnd : nullptr,
                     static_cast<int>(rect.bottom - rect.top),
                     static_cast<int>(rect.right - rect.left),
                     static_cast<int>(rect.top),
                     static_cast<int>(rect.left),
                     static_cast<LONG>(style),
                     text,
                     nullptr,
                     exStyle};
    if (!PreCreateWindow(cs))
        return FALSE;

    platform::WindowData& data = platform::CreateWindowData(kind);
    data.id = id;
    data.text = cs.lpszName ? cs.lpszName : "";
    data.style = static_cast<DWORD>(cs.style);
    data.exStyle = cs.dwExStyle;
    data.rect = CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    data.normalRect = data.rect;
    data.state = std::move(state);
    if (data.style & WS_MINIMIZE)
        data.showState = platform::ShowState::Minimized;
    else if (data.style & WS_MAXIMIZE)
        data.showState = platform::ShowState::Maximized;
    data.style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    HWND hwnd = data.hwnd;
    if (parent) {
        data.parent = parent->m_hWnd;
        parent->Data()->children.push_back(hwnd);
    } else {
        data.owner = owner;
        platform::RegisterTopLevel(hwnd);
    }
    data.wrappers.push_back(this);
    m_hWnd = hwnd;
    m_ownsWindow = true;
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Created);

    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyAfterFailedCreation();
        return FALSE;
    }
    return Data() != nullptr;
}

void CWnd::DestroyAfterFailedCreation()
{
    if (m_hWnd)
        DestroyModelWindow(m_hWnd, false);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && DestroyModelWindow(m_hWnd);
}

CWnd* CWnd::GetParent() const
{
    platform::WindowData* data = Data();
    if (!data)
        return nullptr;
    return FromHandle(data->parent ? data->parent : data->owner);
}

CWnd* CWnd::GetOwner() const
{
    return GetParent();
}

CWnd* CWnd::GetDlgItem(int id) const
{
    platform::WindowData* data = Data();
    if (!data)
        return nullptr;
    for (HWND child : data->children)
        if (platform::FindWindowData(child)->id == static_cast<UINT>(id))
            return FromHandle(child);
    return nullptr;
}

void CWnd::GetDlgItem(int id, HWND* phwnd) const
{
    CWnd* item = GetDlgItem(id);
    *phwnd = item ? item->m_hWnd : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    platform::WindowData* data = Data();
    return data ? static_cast<int>(data->id) : 0;
}

int CWnd::SetDlgCtrlID(int id)
{
    platform::WindowData* data = Data();
    if (!data)
        return 0;
    int old = static_cast<int>(data->id);
    data->id = static_cast<UINT>(id);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Id);
    return old;
}

CWnd* CWnd::GetTopLevelParent() const
{
    platform::WindowData* data = Data();
    while (data && data->parent)
        data = platform::FindWindowData(data->parent);
    return data ? FromHandle(data->hwnd) : nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    platform::WindowData* data = Data();
    for (data = data ? platform::FindWindowData(data->parent) : nullptr; data;
         data = platform::FindWindowData(data->parent)) {
        if (data->kind == platform::WindowKind::Frame)
            return dynamic_cast<CFrameWnd*>(FromHandle(data->hwnd));
    }
    return nullptr;
}

BOOL CWnd::IsChild(const CWnd* wnd) const
{
    if (!wnd)
        return FALSE;
    for (platform::WindowData* d = platform::FindWindowData(wnd->m_hWnd); d; d = platform::FindWindowData(d->parent))
        if (d->parent == m_hWnd)
            return TRUE;
    return FALSE;
}

BOOL CWnd::IsWindow() const
{
    return Data() != nullptr;
}

namespace platform {

void PublishFrameTitle(WindowData* data)
{
    if (data->published || data->kind != WindowKind::Frame || data->parent || data->text.IsEmpty())
        return;
    // Another instance reaches this frame by its exact title (FindWindowA, PostMessageA).
    HWND hwnd = data->hwnd;
    data->published = remote::Publish(data->text, [hwnd](UINT message, WPARAM wParam, LPARAM lParam) {
        if (FindWindowData(hwnd))
            SendMessageA(hwnd, message, wParam, lParam);
    });
    data->publishedTitle = data->text;
}

void RetryPublishingFrameTitles()
{
    for (HWND hwnd : TopLevelWindows())
        if (WindowData* data = FindWindowData(hwnd); data && !data->published)
            PublishFrameTitle(data);
}

}  // namespace platform

void CWnd::SetWindowText(LPCTSTR text)
{
    platform::WindowData* data = Data();
    if (!data)
        return;
    data->text = text ? text : "";
    if (data->published) {
        platform::remote::Unpublish(data->publishedTitle);
        data->published = false;
    }
    platform::PublishFrameTitle(data);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Text);
    if (data->state)
        data->state->TextSetByCode(m_hWnd);
}

void CWnd::GetWindowText(CString& text) const
{
    platform::WindowData* data = Data();
    if (!data) {
        text.Empty();
        return;
    }
    if (!data->state || !data->state->TextOverride(text))
        text = data->text;
}

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0)
        return 0;
    CString text;
    GetWindowText(text);
    int n = std::min(text.GetLength(), maxCount - 1);
    std::copy_n(text.GetString(), n, buffer);
    buffer[n] = '\0';
    return n;
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

DWORD CWnd::GetStyle() const
{
    platform::WindowData* data = Data();
    if (!data)
        return 0;
    DWORD style = data->style;
    if (data->showState == platform::ShowState::Minimized)
        style |= WS_MINIMIZE;
    if (data->showState == platform::ShowState::Maximized)
        style |= WS_MAXIMIZE;
    return style;
}

DWORD CWnd::GetExStyle() const
{
    platform::WindowData* data = Data();
    return data ? data->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    platform::WindowData* data = Data();
    if (!data)
        return FALSE;
    DWORD old = data->style;
    data->style = (old & ~remove) | add;
    DWORD changed = old ^ data->style;
    if (changed & WS_VISIBLE)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Visibility);
    if (changed & WS_DISABLED)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Enabled);
    if (changed & ~(WS_VISIBLE | WS_DISABLED))
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    return changed != 0;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT)
{
    platform::WindowData* data = Data();
    if (!data)
        return FALSE;
    DWORD old = data->exStyle;
    data->exStyle = (old & ~remove) | add;
    if (old != data->exStyle)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    return old != data->exStyle;
}

BOOL CWnd::ShowWindow(int cmdShow)
{
    platform::WindowData* data = Data();
    if (!data)
        return FALSE;
    // The first top-level window shown brings up the real windows, when there is a display for them.
    if (!data->parent && cmdShow != SW_HIDE)
        platform::EnsureWindowBackend();
    BOOL wasVisible = (data->style & WS_VISIBLE) != 0;
    platform::ShowState oldState = data->showState;
    bool activate = true;
    switch (cmdShow) {
    case SW_HIDE:
        data->style &= ~WS_VISIBLE;
        activate = false;
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        data->style |= WS_VISIBLE;
        data->showState = platform::ShowState::Minimized;
        activate = cmdShow == SW_SHOWMINIMIZED;
        break;
    case SW_SHOWMAXIMIZED:
        data->style |= WS_VISIBLE;
        data->showState = platform::ShowState::Maximized;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        data->style |= WS_VISIBLE;
        data->showState = platform::ShowState::Normal;
        break;
    default:  // SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE keep the window's state
        data->style |= WS_VISIBLE;
        activate = cmdShow == SW_SHOW;
        break;
    }
    if (wasVisible != ((data->style & WS_VISIBLE) != 0) || oldState != data->showState)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Visibility);
    if (!data->parent && oldState != data->showState) {
        if (data->showState == platform::ShowState::Maximized)
            SetRectAndNotify(data, Screen());
        else if (data->showState == platform::ShowState::Normal)
            SetRectAndNotify(data, data->normalRect);
    }
    if (!data->parent && activate) {
        platform::BringToTop(m_hWnd);
        platform::SetActiveWindowHandle(m_hWnd);
    }
    if (!(data->style & WS_VISIBLE)) {
        // A hidden window keeps neither the focus nor the capture.
        for (HWND f = platform::FocusWindow(); f; f = platform::FindWindowData(f)->parent)
            if (f == m_hWnd) {
                platform::SetFocusWindow(nullptr);
                break;
            }
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    for (platform::WindowData* d = Data(); d; d = platform::FindWindowData(d->parent))
        if (!(d->style & WS_VISIBLE))
            return FALSE;
    return m_hWnd != nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    platform::WindowData* data = Data();
    if (!data)
        return FALSE;
    BOOL wasDisabled = (data->style & WS_DISABLED) != 0;
    if (enable)
        data->style &= ~WS_DISABLED;
    else
        data->style |= WS_DISABLED;
    if (wasDisabled == static_cast<BOOL>(enable ? 1 : 0))
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Enabled);
    if (!enable && platform::FocusWindow() == m_hWnd)
        platform::SetFocusWindow(nullptr);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    platform::WindowData* data = Data();
    return data && !(data->style & WS_DISABLED);
}

BOOL CWnd::IsIconic() const
{
    platform::WindowData* data = Data();
    return data && data->showState == platform::ShowState::Minimized;
}

BOOL CWnd::IsZoomed() const
{
    platform::WindowData* data = Data();
    return data && data->showState == platform::ShowState::Maximized;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    platform::WindowData* data = Data();
    if (!data)
        return;
    CRect r(x, y, x + width, y + height);
    if (!data->parent && data->showState != platform::ShowState::Normal) {
        data->normalRect = r;  // takes effect when the window is restored
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Placement);
        return;
    }
    SetRectAndNotify(data, r);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    platform::WindowData* data = Data();
    *rect = data ? ScreenRectOf(data) : CRect();
}

void CWnd::GetClientRect(LPRECT rect) const
{
    platform::WindowData* data = Data();
    *rect = data ? CRect(0, 0, data->rect.Width(), data->rect.Height()) : CRect();
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    CRect r;
    GetWindowRect(&r);
    point->x += r.left;
    point->y += r.top;
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    CRect r;
    GetWindowRect(&r);
    static_cast<CRect*>(rect)->OffsetRect(r.left, r.top);
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    CRect r;
    GetWindowRect(&r);
    point->x -= r.left;
    point->y -= r.top;
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    CRect r;
    GetWindowRect(&r);
    static_cast<CRect*>(rect)->OffsetRect(-r.left, -r.top);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    platform::WindowData* data = Data();
    if (!data || !placement)
        return FALSE;
    *placement = WINDOWPLACEMENT {};
    placement->length = sizeof(WINDOWPLACEMENT);
    switch (data->showState) {
    case platform::ShowState::Minimized: placement->showCmd = SW_SHOWMINIMIZED; break;
    case platform::ShowState::Maximized: placement->showCmd = SW_SHOWMAXIMIZED; break;
    default: placement->showCmd = SW_SHOWNORMAL; break;
    }
    placement->rcNormalPosition = data->parent ? data->rect : data->normalRect;
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement)
{
    platform::WindowData* data = Data();
    if (!data || !placement)
        return FALSE;
    data->normalRect = placement->rcNormalPosition;
    if (data->showState == platform::ShowState::Normal)
        SetRectAndNotify(data, data->normalRect);
    ShowWindow(static_cast<int>(placement->showCmd));
    return TRUE;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    platform::WindowData* data = Data();
    if (!data)
        return;
    CRect area = Screen();
    if (data->parent) {
        GetParent()->GetClientRect(&area);
    } else {
        CWnd* owner = alternateOwner ? alternateOwner : FromHandle(data->owner);
        if (owner && owner->IsWindowVisible() && !owner->IsIconic())
            owner->GetWindowRect(&area);
    }
    CRect& target = data->parent ? data->rect : data->normalRect;
    CRect centred(CPoint(area.left + (area.Width() - target.Width()) / 2,
                         area.top + (area.Height() - target.Height()) / 2),
                  target.Size());
    if (data->parent || data->showState == platform::ShowState::Normal) {
        SetRectAndNotify(data, centred);
    } else {
        data->normalRect = centred;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Placement);
    }
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Repaint);
}

void CWnd::UpdateWindow()
{
    Invalidate(FALSE);
}

CWnd* CWnd::SetFocus()
{
    CWnd* old = FromHandle(platform::FocusWindow());
    if (Data())
        platform::SetFocusWindow(m_hWnd);
    return old;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(platform::FocusWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* old = GetActiveWindow();
    if (CWnd* top = GetTopLevelParent()) {
        platform::BringToTop(top->m_hWnd);
        platform::SetActiveWindowHandle(top->m_hWnd);
    }
    return old;
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(platform::ActiveWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    SetActiveWindow();
    return m_hWnd != nullptr;
}

CWnd* CWnd::GetForegroundWindow()
{
    return GetActiveWindow();
}

CWnd* CWnd::SetCapture()
{
    CWnd* old = GetCapture();
    platform::SetCaptureWindow(m_hWnd);
    return old;
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(platform::CaptureWindow());
}

CWnd* CWnd::WindowFromPoint(POINT point)
{
    std::vector<HWND> tops = platform::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        platform::WindowData* data = platform::FindWindowData(*it);
        if (!(data->style & WS_VISIBLE) || data->showState == platform::ShowState::Minimized ||
            !data->rect.PtInRect(point))
            continue;
        // Descend into the last-created shown child under the point, as children paint over earlier siblings.
        for (bool descended = true; descended;) {
            descended = false;
            for (auto c = data->children.rbegin(); c != data->children.rend(); ++c) {
                platform::WindowData* child = platform::FindWindowData(*c);
                if ((child->style & WS_VISIBLE) && ScreenRectOf(child).PtInRect(point)) {
                    data = child;
                    descended = true;
                    break;
                }
            }
        }
        return FromHandle(data->hwnd);
    }
    return nullptr;
}

CWnd* CWnd::GetDesktopWindow()
{
    static CWnd desktop;
    return &desktop;
}

BOOL ShowWindow(HWND hwnd, int cmdShow)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->ShowWindow(cmdShow) : FALSE;
}

BOOL IsWindow(HWND hwnd)
{
    return platform::FindWindowData(hwnd) != nullptr;
}
