// The time switch's output-variable form: the outputs of the status of the time condition.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CSchaltuhrVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CSchaltuhrVarOut)
public:
    CSchaltuhrVarOut();
};
