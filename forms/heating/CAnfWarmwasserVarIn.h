// The input-variable form of the hot-water request (function type 3, "Anforderung Warmwasser").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CAnfWarmwasserVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CAnfWarmwasserVarIn)
public:
    CAnfWarmwasserVarIn();
};
