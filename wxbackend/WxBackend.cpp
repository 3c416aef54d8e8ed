// The backend's core: start-up, the observer that dispatches model changes to the mirrors, and the event pump.
#include "wxbackend/WxBackend.h"

#include "platform/CWaitCursor.h"
#include "platform/DialogTemplate.h"
#include "platform/EventLoop.h"
#include "platform/Prompts.h"
#include "wxbackend/WxPrompts.h"

#include <algorithm>
#include <wx/choice.h>
#include <wx/evtloop.h>
#include <wx/weakref.h>

#include <gdk/gdkx.h>
#include <X11/Xlib.h>
#include <gtk/gtk.h>

#include <clocale>
#include <cstdlib>
#include <cstdio>
#include <poll.h>
#include <string>

namespace wxbackend {

namespace {

WxBackend* g_backend = nullptr;

class BackendApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// The dialog font: its average letter is 6 pixels wide and its line 13 pixels high at 8 points, the classic base
// units of the templates, so every text fits the room its template gives it (a wider face, DejaVu Sans, measures 7
// and cuts the longer captions). scripts/install-deps.sh installs it (fonts-dejavu-extra).
constexpr const char* kDialogFace = "DejaVu Sans Condensed";

// Compact widgets: the dialog templates give controls the sizes of an 8-point font, which the theme's paddings
// would overflow. A group box's caption stands a little in from the box's left edge, on its top line.
constexpr const char* kCss =
    "* { font: 8pt \"DejaVu Sans Condensed\"; }\n"
    "button { padding: 1px 4px; min-height: 0; min-width: 0; }\n"
    "entry { padding: 0 3px; min-height: 0; }\n"
    "combobox button, combobox box { padding-top: 0; padding-bottom: 0; min-height: 0; }\n"
    "checkbutton, radiobutton { padding: 0; min-height: 0; }\n"
    "checkbutton check, radiobutton radio { margin: 0 2px 0 0; }\n"
    "notebook tab { padding: 2px 8px; min-height: 0; }\n"
    "treeview { padding: 0; }\n"
    "frame > label { margin-left: 4px; margin-right: 1px; }\n"
    "#morv-toolbar-button { padding: 0; min-width: 0; min-height: 0; }\n"
    // A disabled edit field has the dialog's own background, as on the original platform, not a white one.
    "entry:disabled { background-color: @theme_bg_color; background-image: none; }\n";

}  // namespace

WxBackend& WxBackend::Instance()
{
    return *g_backend;
}

WxBackend* WxBackend::Start()
{
    if (g_backend)
        return g_backend;
    auto* backend = new WxBackend;
    g_backend = backend;
    if (!backend->Open()) {
        g_backend = nullptr;
        delete backend;
        return nullptr;
    }
    return backend;
}

bool WxBackend::Open()
{
    // A display that cannot be opened leaves the program headless with one line, before the toolkit says more.
    const char* x11 = std::getenv("DISPLAY");
    if (x11 && *x11) {
        Display* probe = XOpenDisplay(x11);
        if (!probe) {
            std::fprintf(stderr, "display %s cannot be opened, running without windows\n", x11);
            return false;
        }
        XCloseDisplay(probe);
    }
    char name[] = "morv9274";
    char* argvData[] = {name, nullptr};
    // The toolkit's own reports go to standard error, never into a box of their own.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond, const wxString& msg) {
        std::fprintf(stderr, "window toolkit: %s:%d: %s %s\n", static_cast<const char*>(file.utf8_str()), line,
                     static_cast<const char*>(cond.utf8_str()), static_cast<const char*>(msg.utf8_str()));
    });
    wxLog::EnableLogging(false);
    // The toolkit must not keep the user's locale: the program formats numbers in the C locale.
    std::string numeric = std::setlocale(LC_ALL, nullptr);
    // Scroll bars that show only while the pointer moves would hide that a form reaches beyond its pane; the
    // program's forms and lists always show theirs. A person's own setting wins.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    wxApp::SetInstance(new BackendApp);
    int wxArgc = 1;
    bool started = wxEntryStart(wxArgc, argvData) && wxTheApp->CallOnInit();
    std::setlocale(LC_ALL, numeric.c_str());
    if (!started) {
        std::fprintf(stderr, "window toolkit cannot start, running without windows\n");
        return false;
    }
    wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::EnableLogging(true);
    m_loop = new wxGUIEventLoop;
    wxEventLoopBase::SetActive(m_loop);

    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);

    // Dialog base units as the original platform computes them: the average width of the letters and the height
    // of the 8-point dialog font.
    m_font = wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName(kDialogFace));
    {
        wxMemoryDC dc;
        wxBitmap bitmap(8, 8);
        dc.SelectObject(bitmap);
        dc.SetFont(m_font);
        wxCoord width = 0;
        wxCoord height = 0;
        dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &width, &height);
        m_baseX = std::max(1, (width / 26 + 1) / 2);
        m_baseY = std::max(1, static_cast<int>(height));
    }
    {
        // A list's height depends on the theme and the font, not on its items: measured once on a list that shows
        // one, in a window that is never shown.
        auto* probe = new wxFrame(nullptr, wxID_ANY, "");
        auto* choice = new wxChoice(probe, wxID_ANY);
        choice->SetFont(m_font);
        choice->Append("Ag");
        choice->SetSelection(0);
        int least = 0;
        int natural = 0;
        gtk_widget_get_preferred_height(static_cast<GtkWidget*>(choice->GetHandle()), &least, &natural);
        m_comboHeight = least;
        probe->Destroy();
    }
    GdkDisplay* display = gdk_display_get_default();
    GdkRectangle area {0, 0, 1280, 1024};
    if (GdkMonitor* monitor = gdk_display_get_primary_monitor(display) ? gdk_display_get_primary_monitor(display)
                                                                       : gdk_display_get_monitor(display, 0))
        gdk_monitor_get_workarea(monitor, &area);
    platform::SetScreenRect(CRect(area.x, area.y, area.x + area.width, area.y + area.height));

    platform::EventLoop& loop = platform::EventLoop::Current();
    loop.SetBackendPump([this] { Pump(); }, std::chrono::milliseconds(15));
    if (GDK_IS_X11_DISPLAY(display)) {
        int fd = ConnectionNumber(gdk_x11_display_get_xdisplay(display));
        loop.WatchFd(fd, POLLIN, [this](int, short) { Pump(); });
    }
    platform::SetPrompts(&GtkPrompts());
    platform::AddWindowObserver(this);
    for (HWND top : platform::TopLevelWindows())
        MirrorTree(top);
    if (platform::IsWaitCursor(platform::CurrentCursor()))
        CursorChanged(platform::CurrentCursor());
    return true;
}

bool WxBackend::Deferred(const platform::WindowData& data)
{
    // The forms a command creates stay hidden until the person switches to them, and some never are: their widgets
    // (many controls, their fonts and sizes) are made when the form is first shown, not at start-up.
    return data.kind == platform::WindowKind::View && !(data.style & WS_VISIBLE);
}

void WxBackend::MirrorTree(HWND hwnd)
{
    Create(hwnd);
    if (platform::WindowData* data = platform::FindWindowData(hwnd))
        for (HWND child : std::vector<HWND>(data->children))
            MirrorTree(child);
}

Mirror* WxBackend::Find(HWND hwnd) const
{
    auto it = m_mirrors.find(hwnd);
    return it == m_mirrors.end() ? nullptr : it->second.get();
}

Mirror* WxBackend::FindByWidget(const wxWindow* widget) const
{
    for (; widget; widget = widget->GetParent())
        for (const auto& [hwnd, mirror] : m_mirrors)
            if (mirror->Widget() == widget)
                return mirror.get();
    return nullptr;
}

int WxBackend::ScaleX(int modelPixels) const
{
    return (modelPixels * m_baseX * 2 + platform::kDialogBaseUnitX) / (2 * platform::kDialogBaseUnitX);
}

int WxBackend::ScaleY(int modelPixels) const
{
    return (modelPixels * m_baseY * 2 + platform::kDialogBaseUnitY) / (2 * platform::kDialogBaseUnitY);
}

wxRect WxBackend::ToPixels(const CRect& r) const
{
    int left = ScaleX(r.left);
    int top = ScaleY(r.top);
    return wxRect(left, top, ScaleX(r.right) - left, ScaleY(r.bottom) - top);
}

void WxBackend::Create(HWND hwnd)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (!data || Find(hwnd) || Deferred(*data))
        return;
    Guard guard;
    std::unique_ptr<Mirror> mirror;
    if (!data->parent) {
        if (data->kind == platform::WindowKind::Frame) {
            mirror = MakeFrame(hwnd);
        } else if (data->kind == platform::WindowKind::Dialog) {
            Mirror* owner = Find(data->owner);
            mirror = MakeDialog(hwnd, owner ? owner->Widget() : nullptr);
        }
    } else if (Mirror* parent = Find(data->parent)) {
        wxWindow* into = parent->ChildParent();
        switch (data->kind) {
        case platform::WindowKind::View: mirror = MakeView(hwnd, into); break;
        case platform::WindowKind::ToolBar: mirror = MakeToolBar(hwnd, *parent); break;
        case platform::WindowKind::StatusBar: mirror = MakeStatusBar(hwnd, *parent); break;
        case platform::WindowKind::Button: mirror = MakeButton(hwnd, into); break;
        case platform::WindowKind::Static: mirror = MakeStatic(hwnd, into); break;
        case platform::WindowKind::Edit: mirror = MakeEdit(hwnd, into); break;
        case platform::WindowKind::ComboBox: mirror = MakeComboBox(hwnd, into); break;
        case platform::WindowKind::ListBox: mirror = MakeListBox(hwnd, into); break;
        case platform::WindowKind::TreeView: mirror = MakeTreeView(hwnd, into); break;
        case platform::WindowKind::ListView: mirror = MakeListView(hwnd, into); break;
        case platform::WindowKind::Tab: mirror = MakeTab(hwnd, into); break;
        case platform::WindowKind::Progress: mirror = MakeProgress(hwnd, into); break;
        default: break;  // windows that show nothing of their own
        }
    }
    if (!mirror)
        return;
    Mirror* created = mirror.get();
    m_mirrors[hwnd] = std::move(mirror);
    created->Update(platform::WindowChange::Created);
    if (data->parent)
        if (Mirror* parent = Find(data->parent))
            parent->ChildChanged();
}

void WxBackend::Destroy(HWND hwnd)
{
    auto it = m_mirrors.find(hwnd);
    if (it == m_mirrors.end())
        return;
    std::unique_ptr<Mirror> mirror = std::move(it->second);
    m_mirrors.erase(it);
    Guard guard;
    if (wxWindow* widget = mirror->Widget()) {
        widget->Hide();
        Doom(widget);
    }
}

void WxBackend::Doom(wxWindow* widget)
{
    m_doomed.emplace_back(widget);
}

void WxBackend::WindowChanged(HWND hwnd, platform::WindowChange change)
{
    using platform::WindowChange;
    if (change == WindowChange::Created) {
        Create(hwnd);
        return;
    }
    if (change == WindowChange::Destroyed) {
        Destroy(hwnd);
        return;
    }
    Mirror* mirror = Find(hwnd);
    if (!mirror) {
        // A form shown for the first time gets its widgets now, with everything the model holds.
        if (change == WindowChange::Visibility)
            MirrorTree(hwnd);
        return;
    }
    if (change == WindowChange::Items) {
        if (std::find(m_itemsChanged.begin(), m_itemsChanged.end(), hwnd) == m_itemsChanged.end())
            m_itemsChanged.push_back(hwnd);
        return;
    }
    // Any other change of a window with changed items shows the items first.
    if (auto it = std::find(m_itemsChanged.begin(), m_itemsChanged.end(), hwnd); it != m_itemsChanged.end()) {
        m_itemsChanged.erase(it);
        Guard guard;
        mirror->Update(WindowChange::Items);
    }
    {
        Guard guard;
        mirror->Update(change);
        if (change == WindowChange::Visibility || change == WindowChange::Placement || change == WindowChange::Id)
            if (platform::WindowData* data = mirror->Data(); data && data->parent)
                if (Mirror* parent = Find(data->parent))
                    parent->ChildChanged();
    }
    if (change == WindowChange::Repaint || change == WindowChange::Value)
        RepaintNow();
}

void WxBackend::CursorChanged(HCURSOR cursor)
{
    bool wait = platform::IsWaitCursor(cursor);
    if (wait == m_busyCursor)
        return;
    m_busyCursor = wait;
    Guard guard;
    if (wait)
        wxBeginBusyCursor();
    else
        wxEndBusyCursor();
    gdk_display_flush(gdk_display_get_default());
}

void WxBackend::DragImageChanged()
{
    m_dragChanged = true;
}

namespace {

bool ShownRect(const wxWindow* widget, CRect& rect)
{
    if (!widget || !widget->IsShownOnScreen())
        return false;
    wxRect r = widget->GetScreenRect();
    rect = CRect(r.x, r.y, r.x + r.width, r.y + r.height);
    return true;
}

}  // namespace

bool WxBackend::ScreenRectOf(HWND hwnd, CRect& rect)
{
    Mirror* mirror = Find(hwnd);
    return ShownRect(mirror ? mirror->Widget() : nullptr, rect);
}

bool WxBackend::ScreenRectOfPart(HWND hwnd, int part, CRect& rect)
{
    Mirror* mirror = Find(hwnd);
    return ShownRect(mirror ? mirror->PartWidget(part) : nullptr, rect);
}

void WxBackend::Flush()
{
    Pump();
    gdk_display_sync(gdk_display_get_default());
    Pump();
}

unsigned long WxBackend::NativeWindowId(HWND hwnd)
{
    Mirror* mirror = Find(hwnd);
    wxWindow* widget = mirror ? mirror->Widget() : nullptr;
    if (!widget)
        return 0;
    GdkWindow* window = gtk_widget_get_window(static_cast<GtkWidget*>(widget->GetHandle()));
    return window && GDK_IS_X11_WINDOW(window) ? GDK_WINDOW_XID(window) : 0;
}

void WxBackend::MirrorChangedItems()
{
    std::vector<HWND> changed;
    changed.swap(m_itemsChanged);
    for (HWND hwnd : changed)
        if (Mirror* mirror = Find(hwnd)) {
            Guard guard;
            mirror->Update(platform::WindowChange::Items);
        }
}

void WxBackend::Pump()
{
    if (m_pumping)
        return;
    MirrorChangedItems();
    if (m_dragChanged) {
        m_dragChanged = false;
        Guard guard;
        MirrorDragImage();
    }
    m_pumping = true;
    std::vector<wxWeakRef<wxWindow>> doomed;
    doomed.swap(m_doomed);
    for (wxWeakRef<wxWindow>& widget : doomed)
        if (widget)
            widget->Destroy();
    for (int i = 0; i < 500 && g_main_context_iteration(nullptr, FALSE); ++i) {
    }
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    gdk_display_flush(gdk_display_get_default());
    m_pumping = false;
}

void WxBackend::RepaintNow()
{
    // Long work started by a person's action runs from the program's loop without returning to it: the toolkit draws
    // (at most every few hundredths of a second) while the person's further input waits in its queue.
    auto now = std::chrono::steady_clock::now();
    if (now - m_lastRepaint < std::chrono::milliseconds(30) || m_loop->IsYielding())
        return;
    m_lastRepaint = now;
    bool pumping = m_pumping;
    m_pumping = true;
    m_loop->YieldFor(wxEVT_CATEGORY_UI);
    gdk_display_flush(gdk_display_get_default());
    m_pumping = pumping;
}

void WxBackend::Later(std::function<void()> action)
{
    platform::EventLoop::Current().Post(std::move(action));
}

void ActivateOwner(wxWindow* owner)
{
    if (owner && owner->IsShown())
        if (auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(owner)))
            top->Raise();
}

void Mirror::Defer(std::function<void()> action)
{
    HWND self = m_hwnd;
    Backend().Later([this, self, action = std::move(action)] {
        if (Backend().Find(self) == this)
            action();
    });
}

void Mirror::ShowAgain(platform::WindowChange change)
{
    if (Backend().Find(m_hwnd) != this)
        return;
    WxBackend::Guard guard;
    Update(change);
}

void Mirror::ShowEnabled()
{
    wxWindow* widget = Widget();
    platform::WindowData* data = Data();
    if (!widget || !data)
        return;
    const bool enabled = !(data->style & WS_DISABLED);
    if (enabled == widget->IsThisEnabled())
        return;
    if (!enabled && widget->IsTopLevel()) {
        wxWindow* focus = wxWindow::FindFocus();
        m_focusWhileDisabled = focus && wxGetTopLevelParent(focus) == widget ? focus : nullptr;
    }
    widget->Enable(enabled);
    if (enabled && m_focusWhileDisabled) {
        if (m_focusWhileDisabled->IsShownOnScreen() && m_focusWhileDisabled->IsEnabled())
            m_focusWhileDisabled->SetFocus();
        m_focusWhileDisabled = nullptr;
    }
}

void Mirror::Update(platform::WindowChange change)
{
    using platform::WindowChange;
    wxWindow* widget = Widget();
    platform::WindowData* data = Data();
    if (!widget || !data)
        return;
    if (change == WindowChange::Created || change == WindowChange::Visibility)
        widget->Show((data->style & WS_VISIBLE) != 0);
    if (change == WindowChange::Created || change == WindowChange::Enabled)
        ShowEnabled();
    if (change == WindowChange::Created || change == WindowChange::Placement)
        widget->SetSize(Rect());
    if (change == WindowChange::Focus && platform::FocusWindow() == Hwnd() && widget->IsShownOnScreen())
        widget->SetFocus();
    if (change == WindowChange::Repaint)
        widget->Refresh();
}

}  // namespace wxbackend

extern "C" __attribute__((visibility("default"))) platform::WindowBackend* platform_window_backend_start()
{
    return wxbackend::WxBackend::Start();
}
