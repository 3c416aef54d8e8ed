// The parameter form of the logic function (function type 10, "Logikfunktion"): the operation. The release and six
// data inputs with their modes, and the outputs of the result and of the inverted result, are its variable forms
// (CLogikfuncVarIn, CLogikfuncVarOut). All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CLogikfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CLogikfunc)
public:
    CLogikfunc();
};

// The parameter form of the run, once the shell created it.
extern CLogikfunc* g_pLogikfunc;
