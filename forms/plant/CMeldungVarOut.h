// The message's output-variable form: four pages of 16 output flags that the person sets.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CMeldungVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CMeldungVarOut)
public:
    CMeldungVarOut();
};
