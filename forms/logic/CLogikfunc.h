// The three forms of the logic function (function type 10, "Logikfunktion"): the operation; the release and six
// data inputs with their modes; the outputs of the result and of the inverted result. All of it is table data of
// the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"
#include "forms/frame/FunctionVarInForm.h"
#include "forms/frame/FunctionVarOutForm.h"

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
};

// The parameter form of the run, once the shell created it.
extern CLogikfunc* g_pLogikfunc;

class CLogikfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CLogikfuncVarIn)
public:
    CLogikfuncVarIn();
};

class CLogikfuncVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CLogikfuncVarOut)
public:
    CLogikfuncVarOut();
};
