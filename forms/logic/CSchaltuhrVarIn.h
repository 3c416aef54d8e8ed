// The time switch's input-variable form: the release and the blocking input.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CSchaltuhrVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CSchaltuhrVarIn)
public:
    CSchaltuhrVarIn();
};
