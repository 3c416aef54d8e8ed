// CProgressCtrl: a progress bar. Sends no notifications.
//
// The position always lies within the range: SetPos and OffsetPos clamp to it, and a new range clamps the current
// position. Defaults: range 0 to 100, position 0, step 10; StepIt past the upper end starts again at the lower end.
#pragma once

#include "platform/CWnd.h"

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(short lower, short upper) { SetRange32(lower, upper); }
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    // The previous position.
    int SetPos(int pos);
    int GetPos() const;
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
};
