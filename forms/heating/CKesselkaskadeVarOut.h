// The output-variable form of the boiler cascade (function type 23, "Kesselkaskade").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CKesselkaskadeVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CKesselkaskadeVarOut)
public:
    CKesselkaskadeVarOut();
};
