// The maintenance function's input-variable form: the external switch, and the number and choice of the
// participating heating-circuit controllers (the frame's participant lists), shown on every activation.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CWartungsfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CWartungsfuncVarIn)
public:
    CWartungsfuncVarIn();
};
