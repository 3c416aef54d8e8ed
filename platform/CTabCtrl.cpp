// Tab controls of the window model.
#include "platform/CTabCtrl.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {

struct Tab {
    CString text;
    int image = -1;
    LPARAM param = 0;
};

struct TabState : platform::ControlState {
    std::vector<Tab> tabs;
    int selection = -1;
    int focus = -1;
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(tabs.size()); }
};

}  // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::Tab, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<TabState>());
}

LONG CTabCtrl::InsertItem(int index, LPCTSTR text)
{
    return InsertItem(index, text, -1);
}

LONG CTabCtrl::InsertItem(int index, LPCTSTR text, int image)
{
    auto* state = StateAs<TabState>();
    if (!state || index < 0)
        return -1;
    index = std::min(index, static_cast<int>(state->tabs.size()));
    state->tabs.insert(state->tabs.begin() + index, Tab {text ? text : "", image, 0});
    if (state->tabs.size() == 1) {
        state->selection = state->focus = 0;
    } else {
        if (state->selection >= index)
            ++state->selection;
        if (state->focus >= index)
            ++state->focus;
    }
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return index;
}

LONG CTabCtrl::InsertItem(int index, TCITEM* item)
{
    if (!item)
        return -1;
    LONG at = InsertItem(index, (item->mask & TCIF_TEXT) ? item->pszText : "",
                         (item->mask & TCIF_IMAGE) ? item->iImage : -1);
    if (at >= 0 && (item->mask & TCIF_PARAM))
        StateAs<TabState>()->tabs[static_cast<size_t>(at)].param = item->lParam;
    return at;
}

BOOL CTabCtrl::DeleteItem(int index)
{
    auto* state = StateAs<TabState>();
    if (!state || !state->Valid(index))
        return FALSE;
    state->tabs.erase(state->tabs.begin() + index);
    for (int* slot : {&state->selection, &state->focus}) {
        if (*slot == index)
            *slot = -1;
        else if (*slot > index)
            --*slot;
    }
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    auto* state = StateAs<TabState>();
    if (!state)
        return FALSE;
    state->tabs.clear();
    state->selection = state->focus = -1;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    auto* state = StateAs<TabState>();
    return state ? static_cast<int>(state->tabs.size()) : 0;
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const
{
    auto* state = StateAs<TabState>();
    if (!state || !item || !state->Valid(index))
        return FALSE;
    const Tab& tab = state->tabs[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        size_t n = std::min(static_cast<size_t>(tab.text.GetLength()), static_cast<size_t>(item->cchTextMax - 1));
        std::memcpy(item->pszText, tab.text.GetString(), n);
        item->pszText[n] = '\0';
    }
    if (item->mask & TCIF_IMAGE)
        item->iImage = tab.image;
    if (item->mask & TCIF_PARAM)
        item->lParam = tab.param;
    return TRUE;
}

BOOL CTabCtrl::SetItem(int index, TCITEM* item)
{
    auto* state = StateAs<TabState>();
    if (!state || !item || !state->Valid(index))
        return FALSE;
    Tab& tab = state->tabs[static_cast<size_t>(index)];
    if (item->mask & TCIF_TEXT)
        tab.text = item->pszText ? item->pszText : "";
    if (item->mask & TCIF_IMAGE)
        tab.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        tab.param = item->lParam;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

CString CTabCtrl::GetItemText(int index) const
{
    auto* state = StateAs<TabState>();
    return state && state->Valid(index) ? state->tabs[static_cast<size_t>(index)].text : CString();
}

int CTabCtrl::GetCurSel() const
{
    auto* state = StateAs<TabState>();
    return state ? state->selection : -1;
}

int CTabCtrl::SetCurSel(int index)
{
    auto* state = StateAs<TabState>();
    if (!state || !state->Valid(index))
        return -1;
    int old = state->selection;
    state->selection = state->focus = index;
    if (old != index)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return old;
}

int CTabCtrl::GetCurFocus() const
{
    auto* state = StateAs<TabState>();
    return state ? state->focus : -1;
}

void CTabCtrl::SetCurFocus(int index)
{
    auto* state = StateAs<TabState>();
    if (!state || !state->Valid(index))
        return;
    if (GetStyle() & TCS_BUTTONS) {
        state->focus = index;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Focus);
        return;
    }
    ChangeSelection(index);
}

bool CTabCtrl::ChangeSelection(int index)
{
    auto* state = StateAs<TabState>();
    if (!state || !state->Valid(index))
        return false;
    if (index == state->selection) {
        state->focus = index;
        return true;
    }
    HWND hwnd = m_hWnd;
    NMHDR header {};
    header.code = TCN_SELCHANGING;
    if (platform::SendNotify(hwnd, header) != 0)
        return true;
    if (!(state = StateAs<TabState>()) || !state->Valid(index))
        return true;
    state->selection = state->focus = index;
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Selection);
    header = NMHDR {};
    header.code = TCN_SELCHANGE;
    platform::SendNotify(hwnd, header);
    return true;
}

bool CTabCtrl::UserSelect(int index)
{
    return ChangeSelection(index);
}
