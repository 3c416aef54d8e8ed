// The comparison's input-variable form: the release and the values a and b.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CVergleichVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CVergleichVarIn)
public:
    CVergleichVarIn();
};
