// The message's input-variable form: the sources of release, activate and cancel and their modes.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CMeldungVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CMeldungVarIn)
public:
    CMeldungVarIn();
};
