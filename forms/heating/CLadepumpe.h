// The parameter form of the charge pump (function type 4, "Ladepumpe"); its variable forms are CLadepumpeVarIn and
// CLadepumpeVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CLadepumpe : public FunctionParamForm {
    DECLARE_DYNCREATE(CLadepumpe)
public:
    CLadepumpe();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its three forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();
};

// The parameter form of the run, once the shell created it.
extern CLadepumpe* g_pLadepumpe;
