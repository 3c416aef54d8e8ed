// A form view: a panel in the frame's client area whose controls stand at their template positions. The frame
// shows only the view that has the first pane id.
#include "wxbackend/WxBackend.h"

namespace wxbackend {

namespace {

class ViewMirror final : public Mirror {
public:
    ViewMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        m_panel = new wxPanel(parent);
        m_panel->Hide();
    }

    wxWindow* Widget() const override { return m_panel; }

    void Update(platform::WindowChange change) override
    {
        // Showing and placing belong to the frame's layout; only the enabled state is the view's own.
        if (change == platform::WindowChange::Created || change == platform::WindowChange::Enabled)
            m_panel->Enable(!(Data()->style & WS_DISABLED));
        if (change == platform::WindowChange::Repaint)
            m_panel->Refresh();
    }

private:
    wxPanel* m_panel;
};

}  // namespace

std::unique_ptr<Mirror> MakeView(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ViewMirror>(hwnd, parent);
}

}  // namespace wxbackend
