// The registry of window records by handle, the observers, and the per-thread focus, capture and activation.
#include "platform/WindowData.h"

#include "platform/CWnd.h"

#include <algorithm>
#include <unordered_map>

namespace platform {

namespace {

struct Registry {
    std::unordered_map<HWND, std::unique_ptr<WindowData>> windows;
    std::vector<HWND> topLevel;
    std::uintptr_t nextHandle = 0x1000;
    std::vector<WindowObserver*> observers;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

WindowData* FindWindowData(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    Registry& r = TheRegistry();
    auto it = r.windows.find(hwnd);
    return it == r.windows.end() ? nullptr : it->second.get();
}

WindowData& CreateWindowData(WindowKind kind)
{
    Registry& r = TheRegistry();
    r.nextHandle += 4;
    auto data = std::make_unique<WindowData>();
    data->hwnd = reinterpret_cast<HWND>(r.nextHandle);
    data->kind = kind;
    WindowData& ref = *data;
    r.windows.emplace(ref.hwnd, std::move(data));
    return ref;
}

void EraseWindowData(HWND hwnd)
{
    Registry& r = TheRegistry();
    r.topLevel.erase(std::remove(r.topLevel.begin(), r.topLevel.end(), hwnd), r.topLevel.end());
    if (r.focus == hwnd)
        r.focus = nullptr;
    if (r.capture == hwnd)
        r.capture = nullptr;
    if (r.active == hwnd)
        r.active = nullptr;
    auto it = r.windows.find(hwnd);
    if (it == r.windows.end())
        return;
    // The record goes before its owned wrapper is deleted, so that wrapper's destructor finds nothing to unbind.
    std::unique_ptr<WindowData> data = std::move(it->second);
    r.windows.erase(it);
    data.reset();
}

void RegisterTopLevel(HWND hwnd)
{
    TheRegistry().topLevel.push_back(hwnd);
}

void BringToTop(HWND hwnd)
{
    Registry& r = TheRegistry();
    auto it = std::find(r.topLevel.begin(), r.topLevel.end(), hwnd);
    if (it == r.topLevel.end())
        return;
    r.topLevel.erase(it);
    r.topLevel.push_back(hwnd);
}

std::vector<HWND> TopLevelWindows()
{
    return TheRegistry().topLevel;
}

HWND FocusWindow() { return TheRegistry().focus; }
HWND CaptureWindow() { return TheRegistry().capture; }
HWND ActiveWindow() { return TheRegistry().active; }

void SetFocusWindow(HWND hwnd)
{
    Registry& r = TheRegistry();
    if (r.focus == hwnd)
        return;
    HWND old = r.focus;
    r.focus = hwnd;
    if (old)
        NotifyWindowChanged(old, WindowChange::Focus);
    if (hwnd)
        NotifyWindowChanged(hwnd, WindowChange::Focus);
}

void SetCaptureWindow(HWND hwnd)
{
    TheRegistry().capture = hwnd;
}

void SetActiveWindowHandle(HWND hwnd)
{
    TheRegistry().active = hwnd;
}

void AddWindowObserver(WindowObserver* observer)
{
    TheRegistry().observers.push_back(observer);
}

void RemoveWindowObserver(WindowObserver* observer)
{
    auto& list = TheRegistry().observers;
    list.erase(std::remove(list.begin(), list.end(), observer), list.end());
}

void NotifyWindowChanged(HWND hwnd, WindowChange change)
{
    // A copy: an observer may remove itself while it is told.
    std::vector<WindowObserver*> list = TheRegistry().observers;
    for (WindowObserver* o : list)
        o->WindowChanged(hwnd, change);
}

void NotifyCursorChanged(HCURSOR cursor)
{
    std::vector<WindowObserver*> list = TheRegistry().observers;
    for (WindowObserver* o : list)
        o->CursorChanged(cursor);
}

void NotifyDragImageChanged()
{
    std::vector<WindowObserver*> list = TheRegistry().observers;
    for (WindowObserver* o : list)
        o->DragImageChanged();
}

void SendCommandNotification(HWND control, UINT code)
{
    WindowData* data = FindWindowData(control);
    if (!data || !data->parent)
        return;
    SendMessageA(data->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(data->id), static_cast<WORD>(code)),
                 reinterpret_cast<LPARAM>(control));
}

LRESULT SendNotify(HWND control, NMHDR& header)
{
    WindowData* data = FindWindowData(control);
    if (!data || !data->parent)
        return 0;
    header.hwndFrom = control;
    header.idFrom = data->id;
    return SendMessageA(data->parent, WM_NOTIFY, data->id, reinterpret_cast<LPARAM>(&header));
}

}  // namespace platform
