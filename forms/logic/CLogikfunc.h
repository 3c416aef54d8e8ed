// The parameter form of the logic function (function type 10, "Logikfunktion"): the operation. The release and six
// data inputs with their modes, and the outputs of the result and of the inverted result, are its variable forms
// (CLogikfuncVarIn, CLogikfuncVarOut). All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CLogikfunc : public FunctionParamForm {
    DECLARE_DYNCREATE(CLogikfunc)
public:
    CLogikfunc();

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
extern CLogikfunc* g_pLogikfunc;
