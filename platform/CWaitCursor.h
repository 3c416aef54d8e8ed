// The mouse cursor: the standard cursors, SetCursor, and CWaitCursor, which shows the wait cursor for its lifetime.
//
// Headless, the cursor is only recorded (platform::CurrentCursor); the window backend shows it on all windows.
#pragma once

#include "platform/WindowTypes.h"

// Only the standard cursors (IDC_ARROW, IDC_WAIT, IDC_IBEAM) exist; any other name gives the arrow.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
// Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

namespace platform {
HCURSOR CurrentCursor();
bool IsWaitCursor(HCURSOR cursor);
// Nesting of BeginWaitCursor/EndWaitCursor: +1 begins, -1 ends, 0 shows the wait cursor again while one is active.
void WaitCursorDepth(int delta);
}  // namespace platform

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};
