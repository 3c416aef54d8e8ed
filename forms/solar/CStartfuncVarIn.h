// The start function's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CStartfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CStartfuncVarIn)
public:
    CStartfuncVarIn();
};
