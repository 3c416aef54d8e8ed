// The synchronisation's input-variable form: the release.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CSyncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CSyncVarIn)
public:
    CSyncVarIn();
};
