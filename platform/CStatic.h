// CStatic: a text label, icon or picture. Sends no notifications (SS_NOTIFY clicks are not modelled).
//
// Instead of painting hooks, a static carries an optional text colour and font-size change that the window backend
// shows; the model only records them.
#pragma once

#include "platform/CWnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);

    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    void SetTextColor(COLORREF color);
    // Whether a text colour was set, and which.
    bool GetTextColor(COLORREF& color) const;
    // Points added to (or, negative, taken from) the font size of the template.
    void SetFontSizeDelta(int points);
    int GetFontSizeDelta() const;
};
