// Static controls of the window model.
#include "platform/CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {

struct StaticState : platform::ControlState {
    HICON icon = nullptr;
    bool hasColor = false;
    COLORREF color = 0;
    int fontDelta = 0;
};

}  // namespace

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::Static, text, style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<StaticState>());
}

HICON CStatic::SetIcon(HICON icon)
{
    auto* state = StateAs<StaticState>();
    if (!state)
        return nullptr;
    HICON old = state->icon;
    state->icon = icon;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    return old;
}

HICON CStatic::GetIcon() const
{
    auto* state = StateAs<StaticState>();
    return state ? state->icon : nullptr;
}

void CStatic::SetTextColor(COLORREF color)
{
    if (auto* state = StateAs<StaticState>()) {
        state->hasColor = true;
        state->color = color;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

bool CStatic::GetTextColor(COLORREF& color) const
{
    auto* state = StateAs<StaticState>();
    if (!state || !state->hasColor)
        return false;
    color = state->color;
    return true;
}

void CStatic::SetFontSizeDelta(int points)
{
    if (auto* state = StateAs<StaticState>()) {
        state->fontDelta = points;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

int CStatic::GetFontSizeDelta() const
{
    auto* state = StateAs<StaticState>();
    return state ? state->fontDelta : 0;
}
