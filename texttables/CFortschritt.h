// CFortschritt: a progress range. A top-level range maps 0 to 100 percent onto two positions of a progress
// control; a nested range maps its own 0 to 100 percent onto part of its enclosing range, so a stage reports its
// own percentage without knowing where on the bar it lands.
#pragma once

#include <functional>

class CProgressCtrl;

class CFortschritt {
public:
    // A range on a control: 0 percent is position from, 100 percent position to. Does not own the control.
    CFortschritt(CProgressCtrl* control, int from, int to);
    // A range on whatever shows the position (work that knows no control reports through it); null: nothing shown.
    CFortschritt(std::function<void(int)> setPosition, int from, int to);
    // A range inside another: 0 percent is the enclosing range's percentage from, 100 percent its to. Does not own
    // the enclosing range, which must outlive this one.
    CFortschritt(CFortschritt* enclosing, int from, int to);

    // Moves the bar. A nested range passes the mapped percentage on unrounded; the top level truncates toward zero
    // to a position and sets it on the control (which clamps it to its range). Percentages outside 0 to 100 are
    // mapped without clamping.
    void SetProzent(float percent);

private:
    void SetProzentExact(double percent);

    CFortschritt* m_enclosing = nullptr;
    CProgressCtrl* m_control = nullptr;
    std::function<void(int)> m_setPosition;
    int m_from = 0;
    int m_to = 0;
};
