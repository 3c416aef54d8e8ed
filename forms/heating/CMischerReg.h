// The parameter form of the mixer control (function type 19, "Mischerregelfunktion"): setpoint, difference, the
// action direction and what the mixer does while the release is off; the release, control temperature and setpoint
// inputs and the mixer output pair are its variable forms (CMischerRegVarIn, CMischerRegVarOut). All of it is table
// data of the function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CMischerReg : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CMischerReg)
public:
    CMischerReg();
};

// The parameter form of the run, once the shell created it.
extern CMischerReg* g_pMischerReg;
