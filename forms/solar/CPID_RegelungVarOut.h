// The PID control's output-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CPID_RegelungVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CPID_RegelungVarOut)
public:
    CPID_RegelungVarOut();
};
