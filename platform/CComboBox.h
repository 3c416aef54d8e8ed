// CComboBox: a combo box, mostly a drop-down list (CBS_DROPDOWNLIST).
//
// Notifications: AddString, InsertString, DeleteString, ResetContent, SetCurSel, SelectString and SetItemData send
// none. A user's pick of an item sends CBN_DROPDOWN, CBN_SELENDOK (also when the same item is picked again),
// CBN_CLOSEUP and then CBN_SELCHANGE when the selection changed; the selection has changed before the first of them.
// Up and Down in the closed box select the neighbouring item and send CBN_SELENDOK and CBN_SELCHANGE.
// A drop-down the user cancels sends CBN_DROPDOWN, CBN_SELENDCANCEL and CBN_CLOSEUP and keeps the selection.
// GetCurSel is CB_ERR (-1) when nothing is selected; SetCurSel(-1) or an index outside the list leaves no selection
// and returns CB_ERR. GetLBText of an index outside the list gives "" and CB_ERR. The window text of a drop-down list
// is its selected item's text. Item order and finding: platform/ListItems.h.
#pragma once

#include "platform/CWnd.h"

namespace platform {
class UserInput;
class ListItems;
}  // namespace platform

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, CString& text) const;
    int GetLBText(int index, LPTSTR buffer) const;
    int GetLBTextLen(int index) const;
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;

private:
    friend class platform::UserInput;
    platform::ListItems* Items() const;
    // fromList: picked in the dropped list; else changed by an arrow key in the closed box.
    bool UserSelect(int index, bool fromList);
    bool UserCancelDropDown();
};
