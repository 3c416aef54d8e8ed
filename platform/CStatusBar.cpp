// Status bars of the window model.
#include "platform/CStatusBar.h"

#include "platform/ResourceRegistry.h"

#include <vector>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

namespace {

struct Pane {
    UINT id;
    UINT style;
    CString text;
};

struct StatusState : platform::ControlState {
    std::vector<Pane> panes;
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(panes.size()); }
};

}  // namespace

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateModelWindow(platform::WindowKind::StatusBar, "", (style & 0xFFFF0000) | WS_CHILD, 0,
                             CRect(0, 0, 0, 0), parent, id, std::make_unique<StatusState>());
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    auto* state = StateAs<StatusState>();
    if (!state)
        return FALSE;
    const platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    std::vector<Pane> panes;
    for (int i = 0; i < count; ++i) {
        UINT id = ids[i];
        if (id != ID_SEPARATOR && !registry.HasString(id))
            return FALSE;
        panes.push_back(Pane {id, i == 0 ? SBPS_NOBORDERS | SBPS_STRETCH : SBPS_NORMAL,
                              id == ID_SEPARATOR ? CString() : registry.String(id)});
    }
    state->panes = panes;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

int CStatusBar::GetCount() const
{
    auto* state = StateAs<StatusState>();
    return state ? static_cast<int>(state->panes.size()) : 0;
}

UINT CStatusBar::GetItemID(int index) const
{
    auto* state = StateAs<StatusState>();
    return state && state->Valid(index) ? state->panes[static_cast<size_t>(index)].id : 0;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetItemID(i) == id)
            return i;
    return -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL)
{
    auto* state = StateAs<StatusState>();
    if (!state || !state->Valid(index))
        return FALSE;
    state->panes[static_cast<size_t>(index)].text = text ? text : "";
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Text);
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const
{
    auto* state = StateAs<StatusState>();
    return state && state->Valid(index) ? state->panes[static_cast<size_t>(index)].text : CString();
}

UINT CStatusBar::GetPaneStyle(int index) const
{
    auto* state = StateAs<StatusState>();
    return state && state->Valid(index) ? state->panes[static_cast<size_t>(index)].style : 0;
}

void CStatusBar::SetPaneStyle(int index, UINT style)
{
    auto* state = StateAs<StatusState>();
    if (!state || !state->Valid(index))
        return;
    state->panes[static_cast<size_t>(index)].style = style;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
}
