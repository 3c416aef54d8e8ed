// Combo boxes of the window model.
#include "platform/CComboBox.h"

#include "platform/ListItems.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

struct ComboState : platform::ControlState {
    platform::ListItems items;
    bool dropped = false;
    bool dropDownList = false;

    bool TextOverride(CString& text) const override
    {
        if (!dropDownList)
            return false;
        const platform::ListItems::Item* item = items.At(items.Selection());
        text = item ? item->text : CString();
        return true;
    }
};

}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    auto state = std::make_unique<ComboState>();
    state->dropDownList = (style & 0x3) == CBS_DROPDOWNLIST;
    return CreateModelWindow(platform::WindowKind::ComboBox, "", style | WS_CHILD, 0, rect, parent, id,
                             std::move(state));
}

platform::ListItems* CComboBox::Items() const
{
    auto* state = StateAs<ComboState>();
    return state ? &state->items : nullptr;
}

int CComboBox::AddString(LPCTSTR text)
{
    platform::ListItems* items = Items();
    if (!items)
        return CB_ERR;
    int index = items->Add(text ? text : "", (GetStyle() & CBS_SORT) != 0);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return index;
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    platform::ListItems* items = Items();
    if (!items)
        return CB_ERR;
    int at = items->Insert(index, text ? text : "");
    if (at >= 0)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return at < 0 ? CB_ERR : at;
}

int CComboBox::DeleteString(UINT index)
{
    platform::ListItems* items = Items();
    if (!items)
        return CB_ERR;
    int left = items->Delete(static_cast<int>(index));
    if (left >= 0)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return left < 0 ? CB_ERR : left;
}

void CComboBox::ResetContent()
{
    if (platform::ListItems* items = Items()) {
        items->Clear();
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    }
}

int CComboBox::GetCount() const
{
    platform::ListItems* items = Items();
    return items ? items->Count() : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    platform::ListItems* items = Items();
    return items ? items->Selection() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    platform::ListItems* items = Items();
    if (!items)
        return CB_ERR;
    int old = items->Selection();
    bool valid = items->Select(index);
    if (old != items->Selection())
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return valid ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, CString& text) const
{
    platform::ListItems* items = Items();
    const platform::ListItems::Item* item = items ? items->At(index) : nullptr;
    text = item ? item->text : CString();
    return item ? text.GetLength() : CB_ERR;
}

int CComboBox::GetLBText(int index, LPTSTR buffer) const
{
    CString text;
    int n = GetLBText(index, text);
    if (n >= 0 && buffer)
        std::memcpy(buffer, text.GetString(), static_cast<size_t>(n) + 1);
    return n;
}

int CComboBox::GetLBTextLen(int index) const
{
    CString text;
    return GetLBText(index, text);
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const
{
    platform::ListItems* items = Items();
    return items ? items->Find(startAfter, text ? text : "", false) : CB_ERR;
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    platform::ListItems* items = Items();
    return items ? items->Find(startAfter, text ? text : "", true) : CB_ERR;
}

int CComboBox::SelectString(int startAfter, LPCTSTR text)
{
    int index = FindString(startAfter, text);
    return index < 0 ? CB_ERR : SetCurSel(index);
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    platform::ListItems* items = Items();
    return items && items->SetData(index, data) ? 0 : CB_ERR;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    platform::ListItems* items = Items();
    const platform::ListItems::Item* item = items ? items->At(index) : nullptr;
    return item ? item->data : static_cast<DWORD_PTR>(CB_ERR);
}

void CComboBox::ShowDropDown(BOOL show)
{
    if (auto* state = StateAs<ComboState>()) {
        state->dropped = show != FALSE;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

BOOL CComboBox::GetDroppedState() const
{
    auto* state = StateAs<ComboState>();
    return state && state->dropped;
}

bool CComboBox::UserSelect(int index, bool fromList)
{
    platform::ListItems* items = Items();
    if (!items || !items->Valid(index))
        return false;
    HWND hwnd = m_hWnd;
    int old = items->Selection();
    if (fromList)
        platform::SendCommandNotification(hwnd, CBN_DROPDOWN);
    if (!(items = Items()))
        return true;
    items->Select(index);
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Selection);
    platform::SendCommandNotification(hwnd, CBN_SELENDOK);
    if (fromList)
        platform::SendCommandNotification(hwnd, CBN_CLOSEUP);
    if (old != index)
        platform::SendCommandNotification(hwnd, CBN_SELCHANGE);
    return true;
}

bool CComboBox::UserCancelDropDown()
{
    if (!Items())
        return false;
    HWND hwnd = m_hWnd;
    platform::SendCommandNotification(hwnd, CBN_DROPDOWN);
    platform::SendCommandNotification(hwnd, CBN_SELENDCANCEL);
    platform::SendCommandNotification(hwnd, CBN_CLOSEUP);
    return true;
}
