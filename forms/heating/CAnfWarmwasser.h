// The parameter form of the hot-water request (function type 3, "Anforderung Warmwasser"); its variable forms are
// CAnfWarmwasserVarIn and CAnfWarmwasserVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CAnfWarmwasser : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CAnfWarmwasser)
public:
    CAnfWarmwasser();
};

// The parameter form of the run, once the shell created it.
extern CAnfWarmwasser* g_pAnfWarmwasser;
