// CListBox: a single-selection list box.
//
// Notifications: AddString, InsertString, DeleteString, ResetContent, SetCurSel, SetItemData, SetTopIndex and
// SetHorizontalExtent send none. With LBS_NOTIFY, a user's click on an item sends LBN_SELCHANGE (also on the item
// already selected) and a double click sends LBN_SELCHANGE and then LBN_DBLCLK; without LBS_NOTIFY nothing is sent.
// GetCurSel is LB_ERR (-1) when nothing is selected; SetCurSel(-1) removes the selection. AddString into an
// LBS_SORT list sorts; InsertString never does. Item order and finding: platform/ListItems.h.
#pragma once

#include "platform/CWnd.h"

namespace platform {
class UserInput;
class ListItems;
}  // namespace platform

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, CString& text) const;
    int GetText(int index, LPTSTR buffer) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    void SetHorizontalExtent(int extent);
    int GetHorizontalExtent() const;

private:
    friend class platform::UserInput;
    platform::ListItems* Items() const;
    bool UserSelect(int index);
    bool UserDoubleClick(int index);
};
