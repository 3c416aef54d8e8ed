// A control class bound to a window for the length of one call, for code that has a handle and needs a control's
// operations.
#pragma once

#include "platform/WindowTypes.h"

namespace platform {

template <class Control>
class BoundControl {
public:
    explicit BoundControl(HWND hwnd) { m_control.Attach(hwnd); }
    ~BoundControl() { m_control.Detach(); }
    BoundControl(const BoundControl&) = delete;
    BoundControl& operator=(const BoundControl&) = delete;
    Control* operator->() { return &m_control; }
    Control& operator*() { return m_control; }

private:
    Control m_control;
};

}  // namespace platform
