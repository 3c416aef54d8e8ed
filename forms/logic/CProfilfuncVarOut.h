// The profile function's output-variable form: the outputs of the status "PROFILO ATTIVO".
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CProfilfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CProfilfuncVarOut)
public:
    CProfilfuncVarOut();
};
