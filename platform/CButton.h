// CButton: push button, check box, radio button or group box, by its style (BS_*).
//
// Notifications: SetCheck, SetState, SetButtonStyle and SetWindowText send none. A user's click sends BN_CLICKED
// after the state changed: an automatic check box toggles (an automatic three-state box cycles), an automatic radio
// button becomes checked and unchecks the other radio buttons of its group, also when it was checked already. A group
// box takes no clicks. A radio group runs from a control with WS_GROUP to the next control with WS_GROUP.
#pragma once

#include "platform/CWnd.h"

#include <vector>

namespace platform {
class UserInput;
}

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCheck() const;        // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    void SetCheck(int check);
    UINT GetState() const;       // the check state, plus 0x0004 while highlighted
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);

    // The radio buttons of the group that holds button, in order.
    static std::vector<HWND> RadioGroupOf(HWND button);
    static bool IsRadio(HWND button);

private:
    friend class platform::UserInput;
    bool UserClick();
};
