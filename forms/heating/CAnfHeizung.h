// The parameter form of the heating request (function type 2, "Anforderung Heizung"); its variable forms are
// CAnfHeizungVarIn and CAnfHeizungVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CAnfHeizung : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CAnfHeizung)
public:
    CAnfHeizung();
};

// The parameter form of the run, once the shell created it.
extern CAnfHeizung* g_pAnfHeizung;
