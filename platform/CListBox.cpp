// List boxes of the window model.
#include "platform/CListBox.h"

#include "platform/ListItems.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

struct ListBoxState : platform::ControlState {
    platform::ListItems items;
    int topIndex = 0;
    int horizontalExtent = 0;
};

}  // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::ListBox, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<ListBoxState>());
}

platform::ListItems* CListBox::Items() const
{
    auto* state = StateAs<ListBoxState>();
    return state ? &state->items : nullptr;
}

int CListBox::AddString(LPCTSTR text)
{
    platform::ListItems* items = Items();
    if (!items)
        return LB_ERR;
    int index = items->Add(text ? text : "", (GetStyle() & LBS_SORT) != 0);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return index;
}

int CListBox::InsertString(int index, LPCTSTR text)
{
    platform::ListItems* items = Items();
    if (!items)
        return LB_ERR;
    int at = items->Insert(index, text ? text : "");
    if (at >= 0)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return at < 0 ? LB_ERR : at;
}

int CListBox::DeleteString(UINT index)
{
    platform::ListItems* items = Items();
    if (!items)
        return LB_ERR;
    int left = items->Delete(static_cast<int>(index));
    if (left >= 0)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return left < 0 ? LB_ERR : left;
}

void CListBox::ResetContent()
{
    if (platform::ListItems* items = Items()) {
        items->Clear();
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    }
}

int CListBox::GetCount() const
{
    platform::ListItems* items = Items();
    return items ? items->Count() : LB_ERR;
}

int CListBox::GetCurSel() const
{
    platform::ListItems* items = Items();
    return items ? items->Selection() : LB_ERR;
}

int CListBox::SetCurSel(int index)
{
    platform::ListItems* items = Items();
    if (!items)
        return LB_ERR;
    int old = items->Selection();
    bool valid = items->Select(index);
    if (old != items->Selection())
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return valid ? index : LB_ERR;
}

int CListBox::GetText(int index, CString& text) const
{
    platform::ListItems* items = Items();
    const platform::ListItems::Item* item = items ? items->At(index) : nullptr;
    text = item ? item->text : CString();
    return item ? text.GetLength() : LB_ERR;
}

int CListBox::GetText(int index, LPTSTR buffer) const
{
    CString text;
    int n = GetText(index, text);
    if (n >= 0 && buffer)
        std::memcpy(buffer, text.GetString(), static_cast<size_t>(n) + 1);
    return n;
}

int CListBox::GetTextLen(int index) const
{
    CString text;
    return GetText(index, text);
}

int CListBox::FindString(int startAfter, LPCTSTR text) const
{
    platform::ListItems* items = Items();
    return items ? items->Find(startAfter, text ? text : "", false) : LB_ERR;
}

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    platform::ListItems* items = Items();
    return items ? items->Find(startAfter, text ? text : "", true) : LB_ERR;
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    platform::ListItems* items = Items();
    return items && items->SetData(index, data) ? 0 : LB_ERR;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    platform::ListItems* items = Items();
    const platform::ListItems::Item* item = items ? items->At(index) : nullptr;
    return item ? item->data : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::GetTopIndex() const
{
    auto* state = StateAs<ListBoxState>();
    return state ? state->topIndex : 0;
}

int CListBox::SetTopIndex(int index)
{
    auto* state = StateAs<ListBoxState>();
    if (!state || !state->items.Valid(index))
        return LB_ERR;
    state->topIndex = index;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return 0;
}

void CListBox::SetHorizontalExtent(int extent)
{
    if (auto* state = StateAs<ListBoxState>()) {
        state->horizontalExtent = extent;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

int CListBox::GetHorizontalExtent() const
{
    auto* state = StateAs<ListBoxState>();
    return state ? state->horizontalExtent : 0;
}

bool CListBox::UserSelect(int index)
{
    platform::ListItems* items = Items();
    if (!items || !items->Valid(index) || (GetStyle() & LBS_NOSEL))
        return false;
    items->Select(index);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    if (GetStyle() & LBS_NOTIFY)
        platform::SendCommandNotification(m_hWnd, LBN_SELCHANGE);
    return true;
}

bool CListBox::UserDoubleClick(int index)
{
    HWND hwnd = m_hWnd;
    if (!UserSelect(index))
        return false;
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (data && (data->style & LBS_NOTIFY))
        platform::SendCommandNotification(hwnd, LBN_DBLCLK);
    return true;
}
