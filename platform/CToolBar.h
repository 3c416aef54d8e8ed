// CToolBar: a bar of command buttons and separators, loaded from a toolbar resource.
//
// A button's state follows the command update handlers (CFrameWnd::UpdateCommandUI): TBBS_DISABLED in its style
// marks a disabled command, TBBS_CHECKED a checked one. A user's press sends the button's command to the frame as
// WM_COMMAND, after asking the update handlers once more; a disabled button, a separator or a placeholder turned
// separator does nothing. With CBRS_FLYBY, pointing at a button shows its command's prompt (the string of the same id,
// up to "\n") in the frame's status bar, and leaving it shows the idle text (AFX_IDS_IDLEMESSAGE) again.
#pragma once

#include "platform/CWnd.h"

class CFrameWnd;

namespace platform {
class UserInput;
}

class CToolBar : public CWnd {
    DECLARE_DYNAMIC(CToolBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect borders = CRect(0, 0, 0, 0),
                  UINT id = AFX_IDW_TOOLBAR);
    // Loads the buttons of the toolbar resource; fails when there is none.
    BOOL LoadToolBar(UINT resourceId);
    // Buttons from ids; ID_SEPARATOR makes a separator.
    BOOL SetButtons(const UINT* ids, int count);

    int GetCount() const;
    // The id of the image the button images come from (the loaded toolbar resource's id; 0 when none was loaded),
    // and the button's place in it: the buttons of the resource are numbered in order, separators left out, and a
    // placeholder that was turned into a separator keeps its number. -1 for a separator of the resource.
    UINT GetBitmapId() const;
    int GetImageIndex(int index) const;
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    // Whether the button is a button (not a separator) and enabled.
    bool IsButtonEnabled(int index) const;
    CSize GetButtonSize() const;
    CSize CalcSize() const;

    // Control bar style (CBRS_*): alignment, borders, tooltips, fly-by.
    DWORD GetBarStyle() const;
    void SetBarStyle(DWORD style);
    void EnableDocking(DWORD) {}

    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler);

private:
    friend class platform::UserInput;
    bool UserPress(int index);
    bool UserHover(int index);
};
