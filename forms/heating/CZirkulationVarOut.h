// The output-variable form of the circulation (function type 5, "Zirkulation").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CZirkulationVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CZirkulationVarOut)
public:
    CZirkulationVarOut();
};
