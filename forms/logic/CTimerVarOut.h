// The timer function's output-variable form: the outputs of the timer and of the inverted timer.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CTimerVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CTimerVarOut)
public:
    CTimerVarOut();
};
