// The parameter form of the circulation (function type 5, "Zirkulation"); its variable forms are CZirkulationVarIn and
// CZirkulationVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CZirkulation : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CZirkulation)
public:
    CZirkulation();

protected:
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CZirkulation* g_pZirkulation;
