// CStatusBar: the frame's status bar, a row of panes; pane 0 is the message pane. Sends no notifications.
//
// SetIndicators makes one pane per id with the id's string as its text (ID_SEPARATOR: an empty message pane); an
// id without a string fails.
#pragma once

#include "platform/CWnd.h"

class CStatusBar : public CWnd {
    DECLARE_DYNAMIC(CStatusBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* ids, int count);
    int GetCount() const;
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    CString GetPaneText(int index) const;
    void GetPaneText(int index, CString& text) const { text = GetPaneText(index); }
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);
};
