// CMorv9274View: the start view, the empty form on template 101 that the template creates as the frame's first
// pane. It fills the frame while no other form is switched in, for example for a command whose forms do not exist.
#pragma once

#include "platform/CFormView.h"

class CMorv9274View : public CFormView {
    DECLARE_DYNCREATE(CMorv9274View)
public:
    CMorv9274View();
    ~CMorv9274View() override;

    // Lays out the frame and shrinks it to the form, unless the frame is still minimised at start-up: a minimised
    // frame has no client area to fit, so it keeps the size WINDOW.ini gave it.
    void OnInitialUpdate() override;
};
