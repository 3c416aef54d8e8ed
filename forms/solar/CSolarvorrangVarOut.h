// The solar priority's output-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CSolarvorrangVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CSolarvorrangVarOut)
public:
    CSolarvorrangVarOut();
};
