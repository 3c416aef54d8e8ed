// The output-variable form of the hot-water request (function type 3, "Anforderung Warmwasser").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CAnfWarmwasserVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CAnfWarmwasserVarOut)
public:
    CAnfWarmwasserVarOut();
};
