// The input-variable form of the circulation (function type 5, "Zirkulation").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CZirkulationVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CZirkulationVarIn)
public:
    CZirkulationVarIn();
};
