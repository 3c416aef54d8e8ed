// The logic function's input-variable form: the release and the six data inputs.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CLogikfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CLogikfuncVarIn)
public:
    CLogikfuncVarIn();
};
