// The cooling function's output-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CKuehlfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CKuehlfuncVarOut)
public:
    CKuehlfuncVarOut();
};
