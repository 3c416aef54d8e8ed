// The parameter form of the solar control (function type 6, "Solarregelung"): the maximum collector, reference and
// limit temperatures with their hystereses and the switch-on and switch-off differences. All of it is table data of
// the function form frame; its save also relabels the solar priorities and start functions that list it.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CSolarregelung : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CSolarregelung)
public:
    CSolarregelung();
};

// The parameter form of the run, once the shell created it.
extern CSolarregelung* g_pSolarregelung;
