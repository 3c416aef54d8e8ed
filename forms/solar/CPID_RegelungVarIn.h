// The PID control's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CPID_RegelungVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CPID_RegelungVarIn)
public:
    CPID_RegelungVarIn();
};
