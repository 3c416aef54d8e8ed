// The start function's output-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CStartfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CStartfuncVarOut)
public:
    CStartfuncVarOut();
};
