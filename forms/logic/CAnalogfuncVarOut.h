// The analog function's output-variable form: the speed and analog outputs the result drives.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CAnalogfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CAnalogfuncVarOut)
public:
    CAnalogfuncVarOut();
};
