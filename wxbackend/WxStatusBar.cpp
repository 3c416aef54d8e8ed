// The frame's status bar: the message pane stretches, the indicator panes fit their texts.
#include "wxbackend/WxBackend.h"

#include "platform/CStatusBar.h"
#include "wxbackend/WxText.h"

#include <vector>

namespace wxbackend {

namespace {

class StatusBarMirror final : public Mirror {
public:
    StatusBarMirror(HWND hwnd, Mirror& frame) : Mirror(hwnd)
    {
        m_bar = new wxStatusBar(frame.Widget(), wxID_ANY);
        AttachStatusBar(frame, m_bar);
    }

    wxWindow* Widget() const override { return m_bar; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        auto* bar = ControlOf<CStatusBar>(Hwnd());
        if (!bar)
            return;
        if (change == WindowChange::Created || change == WindowChange::Visibility)
            m_bar->Show((Data()->style & WS_VISIBLE) != 0);
        if (change != WindowChange::Created && change != WindowChange::Items && change != WindowChange::Text)
            return;
        int count = std::max(1, bar->GetCount());
        if (m_bar->GetFieldsCount() != count || change != WindowChange::Text) {
            std::vector<int> widths(count, -1);
            for (int i = 1; i < count; ++i)
                widths[i] = m_bar->GetTextExtent(ToWx(bar->GetPaneText(i))).x + 28;
            m_bar->SetFieldsCount(count, widths.data());
        }
        for (int i = 0; i < bar->GetCount(); ++i)
            m_bar->SetStatusText(ToWx(bar->GetPaneText(i)), i);
    }

private:
    wxStatusBar* m_bar;
};

}  // namespace

std::unique_ptr<Mirror> MakeStatusBar(HWND hwnd, Mirror& frame)
{
    return std::make_unique<StatusBarMirror>(hwnd, frame);
}

}  // namespace wxbackend
