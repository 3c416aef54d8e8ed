// The cooling function's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CKuehlfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CKuehlfuncVarIn)
public:
    CKuehlfuncVarIn();
};
