// The main frame: toolbar on the left, status bar at the bottom, an empty menu bar, and a scrolled client area
// that shows only the view with the first pane id.
#include "wxbackend/WxBackend.h"

#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/scrolwin.h>

#include <algorithm>

namespace wxbackend {

namespace {

class FrameMirror;

// Keys the frame's accelerator table holds go to the model before any widget sees them.
void OnFrameKey(wxKeyEvent& event, HWND frameHwnd);

class FrameMirror final : public Mirror {
public:
    explicit FrameMirror(HWND hwnd) : Mirror(hwnd)
    {
        platform::WindowData* data = Data();
        m_frame = new wxFrame(nullptr, wxID_ANY, ToWx(data->text), wxPoint(data->normalRect.left, data->normalRect.top),
                              wxSize(data->normalRect.Width(), data->normalRect.Height()));
        m_frame->SetFont(Backend().DialogFont());
        m_frame->SetMenuBar(new wxMenuBar);
        m_body = new wxPanel(m_frame);
        m_sizer = new wxBoxSizer(wxHORIZONTAL);
        m_client = new wxScrolledWindow(m_body, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                        wxHSCROLL | wxVSCROLL | wxBORDER_NONE);
        m_client->SetScrollRate(8, 8);
        m_sizer->Add(m_client, 1, wxEXPAND);
        m_body->SetSizer(m_sizer);
        m_client->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
            event.Skip();
            LayOutViews();
        });
        m_frame->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            event.Veto();
            // The close box posts WM_CLOSE.
            Defer([this] { platform::UserInput::CloseWindow(Wnd()); });
        });
        m_frame->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) { OnFrameKey(event, Hwnd()); });
        auto placed = [this](wxEvent& event) {
            event.Skip();
            Placed();
        };
        m_frame->Bind(wxEVT_SIZE, placed);
        m_frame->Bind(wxEVT_MOVE, placed);
        m_frame->Bind(wxEVT_ICONIZE, placed);
        m_frame->Bind(wxEVT_MAXIMIZE, placed);
    }

    // The person moved, resized, minimised or maximised the frame through the window manager: the model learns the
    // placement once the toolkit's burst of events is over (it is what WINDOW.ini keeps).
    void Placed()
    {
        if (Backend().Mirroring() || m_placementPending || !m_frame->IsShown())
            return;
        m_placementPending = true;
        Defer([this] {
            m_placementPending = false;
            platform::WindowData* data = Data();
            int showCmd = m_frame->IsIconized() ? SW_SHOWMINIMIZED
                : m_frame->IsMaximized()        ? SW_SHOWMAXIMIZED
                                                : SW_SHOWNORMAL;
            CRect normal = data->normalRect;
            if (showCmd == SW_SHOWNORMAL) {
                wxRect r = m_frame->GetRect();
                normal = CRect(r.x, r.y, r.x + r.width, r.y + r.height);
            }
            platform::UserInput::PlaceWindow(Wnd(), normal, showCmd);
        });
    }

    wxWindow* Widget() const override { return m_frame; }
    wxWindow* ChildParent() const override { return m_client; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        platform::WindowData* data = Data();
        if (change == WindowChange::Created || change == WindowChange::Text)
            m_frame->SetTitle(ToWx(data->text));
        if (change == WindowChange::Created || change == WindowChange::Enabled)
            ShowEnabled();
        if (change == WindowChange::Created || change == WindowChange::Placement) {
            const CRect& r = data->normalRect;
            if (r.Width() > 0 && r.Height() > 0)
                m_frame->SetSize(r.left, r.top, r.Width(), r.Height());
        }
        if (change == WindowChange::Created || change == WindowChange::Visibility) {
            bool visible = (data->style & WS_VISIBLE) != 0;
            if (visible && !m_frame->IsShown())
                m_frame->Show();
            if (visible) {
                m_frame->Iconize(data->showState == platform::ShowState::Minimized);
                m_frame->Maximize(data->showState == platform::ShowState::Maximized);
            } else if (m_frame->IsShown()) {
                m_frame->Hide();
            }
        }
        if (change == WindowChange::Repaint)
            m_frame->Refresh();
    }

    void ChildChanged() override { LayOutViews(); }

    void SetToolBar(wxWindow* bar)
    {
        m_sizer->Insert(0, bar, 0, wxEXPAND);
        m_body->Layout();
    }

    // Shows the view that has the first pane id, at least as large as its controls reach, and scrolls the rest.
    void LayOutViews()
    {
        platform::WindowData* data = Data();
        if (!data)
            return;
        WxBackend::Guard guard;
        wxSize client = m_client->GetClientSize();
        for (HWND child : data->children) {
            platform::WindowData* c = platform::FindWindowData(child);
            Mirror* mirror = Backend().Find(child);
            if (!c || !mirror || c->kind != platform::WindowKind::View)
                continue;
            bool shown = (c->style & WS_VISIBLE) && c->id == AFX_IDW_PANE_FIRST;
            wxWindow* view = mirror->Widget();
            if (!shown) {
                view->Hide();
                continue;
            }
            // How far the controls reach as they are drawn: a drop-down list's template height holds its open list,
            // which takes no room on the form.
            wxSize extent(0, 0);
            for (HWND control : c->children)
                if (platform::WindowData* d = platform::FindWindowData(control)) {
                    wxRect r = Backend().ToPixels(d->rect);
                    if (Mirror* m = Backend().Find(control);
                        m && m->Widget() && d->kind == platform::WindowKind::ComboBox)
                        r.height = m->Widget()->GetSize().y;
                    extent.x = std::max(extent.x, r.GetRight() + 1);
                    extent.y = std::max(extent.y, r.GetBottom() + 1);
                }
            wxSize size(std::max(client.x, extent.x), std::max(client.y, extent.y));
            // Another form shown in the pane starts at its top left corner, whatever the last one was scrolled to.
            if (view != m_shownView) {
                m_shownView = view;
                m_client->Scroll(0, 0);
            }
            // The view's place is in scrolled coordinates: a layout while the person has scrolled keeps it in place.
            const wxPoint origin = m_client->CalcScrolledPosition(wxPoint(0, 0));
            view->SetSize(origin.x, origin.y, size.x, size.y);
            m_client->SetVirtualSize(size);
            view->Show();
        }
    }

    wxFrame* m_frame;
    wxPanel* m_body;
    wxBoxSizer* m_sizer;
    wxScrolledWindow* m_client;
    wxWindow* m_shownView = nullptr;
    bool m_placementPending = false;
};

// wx key codes to the virtual keys of the accelerator tables.
UINT VirtualKey(int code)
{
    if (code >= 'a' && code <= 'z')
        return static_cast<UINT>(code - 'a' + 'A');
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return static_cast<UINT>(code);
    if (code >= WXK_F1 && code <= WXK_F12)
        return static_cast<UINT>(0x70 + code - WXK_F1);
    switch (code) {
    case WXK_RETURN: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_DELETE: return VK_DELETE;
    case WXK_BACK: return VK_BACK;
    default: return 0;
    }
}

void OnFrameKey(wxKeyEvent& event, HWND frameHwnd)
{
    event.Skip();
    auto* frame = ControlOf<CFrameWnd>(frameHwnd);
    UINT key = VirtualKey(event.GetKeyCode());
    if (!frame || !key || !(event.ControlDown() || event.AltDown()))
        return;
    BYTE held = static_cast<BYTE>((event.ControlDown() ? FCONTROL : 0) | (event.AltDown() ? FALT : 0) |
                                  (event.ShiftDown() ? FSHIFT : 0));
    for (const ACCEL& a : frame->GetAccelerators()) {
        if (a.key != key || (a.fVirt & (FCONTROL | FALT | FSHIFT)) != held)
            continue;
        event.Skip(false);
        UINT modifiers = (event.ControlDown() ? platform::UserInput::kControl : 0) |
            (event.AltDown() ? platform::UserInput::kAlt : 0) | (event.ShiftDown() ? platform::UserInput::kShift : 0);
        WxBackend::Instance().Later([frameHwnd, key, modifiers] {
            if (CWnd* wnd = CWnd::FromHandle(frameHwnd))
                platform::UserInput::PressKey(*wnd, key, modifiers);
        });
        return;
    }
}

}  // namespace

std::unique_ptr<Mirror> MakeFrame(HWND hwnd)
{
    return std::make_unique<FrameMirror>(hwnd);
}

void AttachToolBar(Mirror& frame, wxWindow* bar)
{
    if (auto* f = dynamic_cast<FrameMirror*>(&frame))
        f->SetToolBar(bar);
}

wxWindow* BarParent(Mirror& frame)
{
    auto* f = dynamic_cast<FrameMirror*>(&frame);
    return f ? static_cast<wxWindow*>(f->m_body) : frame.Widget();
}

void AttachStatusBar(Mirror& frame, wxStatusBar* bar)
{
    if (auto* f = dynamic_cast<FrameMirror*>(&frame))
        f->m_frame->SetStatusBar(bar);
}

}  // namespace wxbackend
