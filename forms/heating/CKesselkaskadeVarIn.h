// The input-variable form of the boiler cascade (function type 23, "Kesselkaskade").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CKesselkaskadeVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CKesselkaskadeVarIn)
public:
    CKesselkaskadeVarIn();
};
