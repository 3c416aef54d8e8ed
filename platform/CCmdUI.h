// CCmdUI: what a command update handler sees of one user-interface element (a toolbar button, or the probe that
// decides whether a command from a button or an accelerator may run).
//
// A command with an update handler is enabled exactly when that handler leaves it enabled; a command without one is
// enabled when some target handles the command. A disabled command is neither shown as available nor carried out.
#pragma once

#include "platform/Types.h"

class CCmdTarget;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    CWnd* m_pOther = nullptr;  // the toolbar or window the element belongs to, or null
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(BOOL on = TRUE) { SetCheck(on ? 1 : 0); }
    virtual void SetText(LPCTSTR text);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update to target. When no update handler answers and disableIfNoHandler is set, the element is
    // enabled exactly when some target has a command handler for the id. Returns whether a handler answered.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};

namespace platform {

// An update probe that only records the answer: used before a command from a toolbar button or an accelerator is
// carried out.
class CommandStateProbe : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    void Enable(BOOL on = TRUE) override { m_bEnabled = on; m_bEnableChanged = TRUE; }
    void SetCheck(int check = 1) override { m_nCheck = check; }
    void SetText(LPCTSTR) override {}
};

// Whether the command is enabled for target (routing included), as the rule above decides.
bool IsCommandEnabled(CCmdTarget* target, UINT id);

}  // namespace platform
