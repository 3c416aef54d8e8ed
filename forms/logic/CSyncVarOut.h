// The synchronisation's output-variable form: the outputs of the status "COND.TPO.RISPET.".
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CSyncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CSyncVarOut)
public:
    CSyncVarOut();
};
