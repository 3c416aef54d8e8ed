// CTabCtrl: a row of tabs.
//
// Notifications: InsertItem, DeleteItem, DeleteAllItems, SetItem and SetCurSel send none. SetCurFocus on a tab
// control without TCS_BUTTONS also selects the tab, and when that changes the selection it sends TCN_SELCHANGING and
// TCN_SELCHANGE as the original platform does. A user's click on another tab sends TCN_SELCHANGING (a non-zero
// result keeps the old tab) and then TCN_SELCHANGE; a click on the selected tab sends nothing.
// The first tab inserted into an empty control becomes the selected one; deleting the selected tab leaves none.
// GetCurSel is -1 when no tab is selected.
#pragma once

#include "platform/CWnd.h"

namespace platform {
class UserInput;
}

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Index of the new tab (an index beyond the end appends), or -1.
    LONG InsertItem(int index, LPCTSTR text);
    LONG InsertItem(int index, LPCTSTR text, int image);
    LONG InsertItem(int index, TCITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, TCITEM* item);
    CString GetItemText(int index) const;
    int GetCurSel() const;
    // The previously selected tab, or -1 (also for an index outside the tabs, which changes nothing).
    int SetCurSel(int index);
    int GetCurFocus() const;
    void SetCurFocus(int index);

private:
    friend class platform::UserInput;
    bool ChangeSelection(int index);
    bool UserSelect(int index);
};
