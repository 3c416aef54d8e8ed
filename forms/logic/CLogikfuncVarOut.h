// The logic function's output-variable form: the outputs of the result and of the inverted result.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CLogikfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CLogikfuncVarOut)
public:
    CLogikfuncVarOut();
};
