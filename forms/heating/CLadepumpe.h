// The parameter form of the charge pump (function type 4, "Ladepumpe"); its variable forms are CLadepumpeVarIn and
// CLadepumpeVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CLadepumpe : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CLadepumpe)
public:
    CLadepumpe();
};

// The parameter form of the run, once the shell created it.
extern CLadepumpe* g_pLadepumpe;
