// Progress bars: the model's range and position; a change draws at once, also while long work runs.
#include "wxbackend/WxBackend.h"

#include "platform/CProgressCtrl.h"

#include <wx/gauge.h>

namespace wxbackend {

namespace {

class ProgressMirror final : public Mirror {
public:
    ProgressMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        wxRect r = Rect();
        long flags = (Data()->style & PBS_VERTICAL) ? wxGA_VERTICAL : wxGA_HORIZONTAL;
        m_gauge = new wxGauge(parent, wxID_ANY, 100, r.GetPosition(), r.GetSize(), flags);
    }

    wxWindow* Widget() const override { return m_gauge; }

    void Update(platform::WindowChange change) override
    {
        Mirror::Update(change);
        if (change != platform::WindowChange::Created && change != platform::WindowChange::Value)
            return;
        auto* progress = ControlOf<CProgressCtrl>(Hwnd());
        if (!progress)
            return;
        int lower = 0;
        int upper = 0;
        progress->GetRange(lower, upper);
        int range = std::max(1, upper - lower);
        if (m_gauge->GetRange() != range)
            m_gauge->SetRange(range);
        m_gauge->SetValue(std::clamp(progress->GetPos() - lower, 0, range));
    }

private:
    wxGauge* m_gauge;
};

}  // namespace

std::unique_ptr<Mirror> MakeProgress(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ProgressMirror>(hwnd, parent);
}

}  // namespace wxbackend
