// CEdit: a single-line or multi-line (ES_MULTILINE) edit field.
//
// Notifications, as the original platform sends them:
// - SetWindowText on a single-line edit sends EN_UPDATE and then EN_CHANGE to the parent at once, inside the call,
//   never later (a handler may call SetWindowText again from inside). On a multi-line edit it sends nothing.
//   While the parent's UpdateData runs, the parent drops these notifications, so data exchange reaches no handler.
// - ReplaceSel sends EN_UPDATE and EN_CHANGE (single- and multi-line), as typing does.
// - LimitText, SetSel, SetReadOnly and SetModify send nothing; the limit applies to the user's typing and pasting
//   only, not to SetWindowText or ReplaceSel.
// - A user's typing sends EN_UPDATE and EN_CHANGE for every character it inserts; a character that would exceed the
//   limit is refused and sends EN_MAXTEXT instead. ES_NUMBER refuses typed characters other than digits (pasting
//   still brings anything). A single-line edit takes pasted text up to its first line break; Enter inserts "\r\n"
//   only in a multi-line edit with ES_WANTRETURN. A read-only edit takes no typing.
#pragma once

#include "platform/CWnd.h"

namespace platform {
class UserInput;
}

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Maximum number of characters the user can enter; 0 means the largest possible.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(static_cast<int>(maxChars)); }
    UINT GetLimitText() const;
    // Selects from start up to end (exclusive); end -1 selects to the end of the text; start -1 removes the
    // selection and leaves the caret.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE) { SetSel(LOWORD(selection), HIWORD(selection), noScroll); }
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    int GetLineCount() const;

private:
    friend class platform::UserInput;
    bool UserType(const CString& text);
    bool UserPaste(const CString& text);
    bool UserDelete(bool forward);
    bool Insert(const CString& text, bool notify);
};
