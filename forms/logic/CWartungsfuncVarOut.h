// The maintenance function's output-variable form: the outputs of the burner demand and the speed outputs of the
// burner power.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CWartungsfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CWartungsfuncVarOut)
public:
    CWartungsfuncVarOut();
};
