// The parameter form of the cooling function (function type 18, "Kühlfunktion"): its daily time window, the fixed
// maximum reference temperature, the switch-on and switch-off differences and the control variable. All of it is table
// data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CKuehlfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CKuehlfunc)
public:
    CKuehlfunc();
};

// The parameter form of the run, once the shell created it.
extern CKuehlfunc* g_pKuehlfunc;
