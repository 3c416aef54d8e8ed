// The parameter form of the PID control (function type 8, "PID-Regelung"): the modes of its three regulations, their
// fixed setpoints, the limits of the manipulated variable and the P, I and D parameters. All of it is table data of the
// function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CPID_Regelung : public FunctionParamForm {
    DECLARE_DYNCREATE(CPID_Regelung)
public:
    CPID_Regelung();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();
};

// The parameter form of the run, once the shell created it.
extern CPID_Regelung* g_pPID_Regelung;
