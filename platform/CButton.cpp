// Buttons of the window model.
#include "platform/CButton.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace {

struct ButtonState : platform::ControlState {
    int check = BST_UNCHECKED;
    bool highlight = false;
};

DWORD TypeOf(const platform::WindowData* data)
{
    return data->style & BS_TYPEMASK;
}

ButtonState* StateOf(HWND hwnd)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    return data ? dynamic_cast<ButtonState*>(data->state.get()) : nullptr;
}

void SetCheckOf(HWND hwnd, int check)
{
    ButtonState* state = StateOf(hwnd);
    if (!state || state->check == check)
        return;
    state->check = check;
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Check);
}

}  // namespace

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::Button, caption, style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<ButtonState>());
}

int CButton::GetCheck() const
{
    ButtonState* state = StateOf(m_hWnd);
    return state ? state->check : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    SetCheckOf(m_hWnd, check);
}

UINT CButton::GetState() const
{
    ButtonState* state = StateOf(m_hWnd);
    return state ? static_cast<UINT>(state->check) | (state->highlight ? 0x0004u : 0u) : 0u;
}

void CButton::SetState(BOOL highlight)
{
    if (ButtonState* state = StateOf(m_hWnd)) {
        state->highlight = highlight != FALSE;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Check);
    }
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xFFFF;
}

void CButton::SetButtonStyle(UINT style, BOOL)
{
    ModifyStyle(0xFFFF, style & 0xFFFF);
}

bool CButton::IsRadio(HWND button)
{
    platform::WindowData* data = platform::FindWindowData(button);
    return data && data->kind == platform::WindowKind::Button &&
           (TypeOf(data) == BS_RADIOBUTTON || TypeOf(data) == BS_AUTORADIOBUTTON);
}

std::vector<HWND> CButton::RadioGroupOf(HWND button)
{
    std::vector<HWND> group;
    platform::WindowData* data = platform::FindWindowData(button);
    platform::WindowData* parent = data ? platform::FindWindowData(data->parent) : nullptr;
    if (!parent)
        return group;
    const auto& siblings = parent->children;
    size_t at = 0;
    while (at < siblings.size() && siblings[at] != button)
        ++at;
    size_t first = at;
    while (first > 0 && !(platform::FindWindowData(siblings[first])->style & WS_GROUP))
        --first;
    for (size_t i = first; i < siblings.size(); ++i) {
        if (i > first && (platform::FindWindowData(siblings[i])->style & WS_GROUP))
            break;
        if (IsRadio(siblings[i]))
            group.push_back(siblings[i]);
    }
    return group;
}

bool CButton::UserClick()
{
    platform::WindowData* data = Data();
    ButtonState* state = StateOf(m_hWnd);
    if (!data || !state)
        return false;
    HWND hwnd = m_hWnd;
    switch (TypeOf(data)) {
    case BS_GROUPBOX:
        return false;
    case BS_AUTOCHECKBOX:
        SetCheckOf(hwnd, state->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheckOf(hwnd, (state->check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        for (HWND other : RadioGroupOf(hwnd))
            if (other != hwnd)
                SetCheckOf(other, BST_UNCHECKED);
        SetCheckOf(hwnd, BST_CHECKED);
        break;
    default:
        break;
    }
    platform::SendCommandNotification(hwnd, BN_CLICKED);
    return true;
}
