// The solar priority's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CSolarvorrangVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CSolarvorrangVarIn)
public:
    CSolarvorrangVarIn();
};
