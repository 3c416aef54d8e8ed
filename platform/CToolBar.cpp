// Toolbars of the window model.
#include "platform/CToolBar.h"

#include "platform/CCmdUI.h"
#include "platform/CFrameWnd.h"
#include "platform/ResourceRegistry.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

namespace {

struct Button {
    UINT id;
    UINT style;
    int image;
};

struct ToolBarState : platform::ControlState {
    std::vector<Button> buttons;
    DWORD barStyle = 0;
    DWORD controlStyle = 0;
    CSize image {16, 15};
    UINT bitmapId = 0;
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(buttons.size()); }
    void Fill(const UINT* ids, int count)
    {
        buttons.clear();
        int next = 0;
        for (int i = 0; i < count; ++i) {
            bool separator = ids[i] == ID_SEPARATOR;
            buttons.push_back(Button {ids[i], separator ? TBBS_SEPARATOR : TBBS_BUTTON, separator ? -1 : next});
            if (!separator)
                ++next;
        }
    }
};

// The update element of one toolbar button.
class ToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        auto* bar = static_cast<CToolBar*>(m_pOther);
        UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
        bar->SetButtonStyle(static_cast<int>(m_nIndex), on ? style : style | TBBS_DISABLED);
    }
    void SetCheck(int check) override
    {
        auto* bar = static_cast<CToolBar*>(m_pOther);
        UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_CHECKED;
        bar->SetButtonStyle(static_cast<int>(m_nIndex), check ? style | TBBS_CHECKED : style);
    }
    void SetText(LPCTSTR) override {}
};

}  // namespace

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateEx(parent, 0, style, CRect(0, 0, 0, 0), id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, CRect, UINT id)
{
    auto state = std::make_unique<ToolBarState>();
    state->barStyle = style & (CBRS_ALIGN_ANY | 0x0F00 | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC |
                               CBRS_SIZE_FIXED);
    state->controlStyle = controlStyle;
    DWORD windowStyle = (style & 0xFFFF0000) | WS_CHILD;
    if (!CreateModelWindow(platform::WindowKind::ToolBar, "", windowStyle, 0, CRect(0, 0, 0, 0), parent, id,
                           std::move(state)))
        return FALSE;
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT resourceId)
{
    const platform::ToolBarResource* resource = platform::ResourceRegistry::Instance().ToolBar(resourceId);
    auto* state = StateAs<ToolBarState>();
    if (!resource || !state)
        return FALSE;
    state->image = resource->buttonImage;
    state->Fill(resource->commands.data(), static_cast<int>(resource->commands.size()));
    state->bitmapId = resourceId;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    auto* state = StateAs<ToolBarState>();
    if (!state)
        return FALSE;
    state->Fill(ids, count);
    state->bitmapId = 0;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

int CToolBar::GetCount() const
{
    auto* state = StateAs<ToolBarState>();
    return state ? static_cast<int>(state->buttons.size()) : 0;
}

UINT CToolBar::GetBitmapId() const
{
    auto* state = StateAs<ToolBarState>();
    return state ? state->bitmapId : 0;
}

int CToolBar::GetImageIndex(int index) const
{
    auto* state = StateAs<ToolBarState>();
    return state && state->Valid(index) ? state->buttons[static_cast<size_t>(index)].image : -1;
}

UINT CToolBar::GetItemID(int index) const
{
    auto* state = StateAs<ToolBarState>();
    if (!state || !state->Valid(index))
        return 0;
    const Button& b = state->buttons[static_cast<size_t>(index)];
    return (b.style & TBBS_SEPARATOR) ? ID_SEPARATOR : b.id;
}

int CToolBar::CommandToIndex(UINT id) const
{
    auto* state = StateAs<ToolBarState>();
    if (!state)
        return -1;
    for (size_t i = 0; i < state->buttons.size(); ++i)
        if (state->buttons[i].id == id && !(state->buttons[i].style & TBBS_SEPARATOR))
            return static_cast<int>(i);
    return -1;
}

UINT CToolBar::GetButtonStyle(int index) const
{
    auto* state = StateAs<ToolBarState>();
    return state && state->Valid(index) ? state->buttons[static_cast<size_t>(index)].style : 0;
}

void CToolBar::SetButtonStyle(int index, UINT style)
{
    auto* state = StateAs<ToolBarState>();
    if (!state || !state->Valid(index))
        return;
    Button& b = state->buttons[static_cast<size_t>(index)];
    if (b.style == style)
        return;
    b.style = style;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
}

bool CToolBar::IsButtonEnabled(int index) const
{
    auto* state = StateAs<ToolBarState>();
    if (!state || !state->Valid(index))
        return false;
    UINT style = state->buttons[static_cast<size_t>(index)].style;
    return !(style & TBBS_SEPARATOR) && !(style & TBBS_DISABLED);
}

CSize CToolBar::GetButtonSize() const
{
    auto* state = StateAs<ToolBarState>();
    return state ? CSize(state->image.cx + 7, state->image.cy + 6) : CSize();
}

CSize CToolBar::CalcSize() const
{
    auto* state = StateAs<ToolBarState>();
    if (!state)
        return CSize();
    CSize button = GetButtonSize();
    int length = 0;
    for (const Button& b : state->buttons)
        length += (b.style & TBBS_SEPARATOR) ? 8 : ((state->barStyle & CBRS_ALIGN_LEFT) ? button.cy : button.cx);
    if (state->barStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT))
        return CSize(button.cx + 4, length + 4);
    return CSize(length + 4, button.cy + 4);
}

DWORD CToolBar::GetBarStyle() const
{
    auto* state = StateAs<ToolBarState>();
    return state ? state->barStyle : 0;
}

void CToolBar::SetBarStyle(DWORD style)
{
    if (auto* state = StateAs<ToolBarState>()) {
        state->barStyle = style;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    ToolCmdUI ui;
    ui.m_pOther = this;
    ui.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        if (GetButtonStyle(i) & TBBS_SEPARATOR)
            continue;
        ui.m_nIndex = static_cast<UINT>(i);
        ui.m_nID = GetItemID(i);
        ui.DoUpdate(target, disableIfNoHandler);
    }
}

bool CToolBar::UserPress(int index)
{
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    if (!frame || GetItemID(index) == ID_SEPARATOR)
        return false;
    OnUpdateCmdUI(frame, frame->m_bAutoMenuEnable);
    if (!IsButtonEnabled(index))
        return false;
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetItemID(index)), BN_CLICKED), 0);
    return true;
}

bool CToolBar::UserHover(int index)
{
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    if (!frame || !(GetBarStyle() & CBRS_FLYBY))
        return false;
    if (index < 0 || GetItemID(index) == ID_SEPARATOR)
        frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    else
        frame->SetMessageText(GetItemID(index));
    return true;
}
