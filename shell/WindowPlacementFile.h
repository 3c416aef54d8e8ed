// WINDOW.ini in the program directory: where the main frame stood and how it was shown when it was last closed.
//
// Five lines of one number each ("%5d"): show state, left, top, width, height of the normal placement. The frame
// takes from it only what it can show: a show state it writes itself (else shown normally), and a size of at least
// the minimum (else its default size), so no stored value can give a window that cannot be seen or closed. A file
// that does not hold five numbers counts as missing and is written anew when the frame closes.
#pragma once

#include "platform/CString.h"

struct WindowPlacement {
    int showState = 1;  // SW_SHOWNORMAL
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class WindowPlacementFile {
public:
    static constexpr int kDefaultWidth = 749;
    static constexpr int kDefaultHeight = 603;
    static constexpr int kMinimumWidth = 200;
    static constexpr int kMinimumHeight = 150;

    explicit WindowPlacementFile(const CString& path);

    // The five values as stored; false when the file is missing or does not hold five numbers.
    bool Read(WindowPlacement& stored) const;
    // What the frame is created and shown with: the stored values where usable, the defaults otherwise. hasPosition
    // tells whether the stored position applies (else the system places the window).
    WindowPlacement ForShowing(bool& hasPosition) const;
    // The state the frame stores on closing: the placement's show command when it is one of SW_SHOWNORMAL,
    // SW_SHOWMAXIMIZED, SW_SHOW or SW_RESTORE, else SW_SHOWNORMAL.
    static int StoredShowState(int showCommand);
    // Whether a show state is one this file may hold.
    static bool IsStorableShowState(int showState);
    // Writes the values when the file is missing or unreadable or when show state, width or height differ from the
    // stored ones (a moved window alone is not written). False when the write failed.
    bool Update(const WindowPlacement& current) const;

private:
    CString m_path;
};
