// The profile function's input-variable form: the release, the setpoint while the release is off, and start,
// stop, reset and clock.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CProfilfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CProfilfuncVarIn)
public:
    CProfilfuncVarIn();
};
