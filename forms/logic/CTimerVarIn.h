// The timer function's input-variable form: the release, the trigger (not used in the astable mode, so filled on
// every activation) and the duty ratio.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CTimerVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CTimerVarIn)
public:
    CTimerVarIn();
};
