// The parameter form of the PID control (function type 8, "PID-Regelung"): the modes of its three regulations, their
// fixed setpoints, the limits of the manipulated variable and the P, I and D parameters. All of it is table data of the
// function form frame.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CPID_Regelung : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CPID_Regelung)
public:
    CPID_Regelung();
};

// The parameter form of the run, once the shell created it.
extern CPID_Regelung* g_pPID_Regelung;
