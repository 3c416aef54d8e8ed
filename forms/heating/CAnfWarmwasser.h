// The parameter form of the hot-water request (function type 3, "Anforderung Warmwasser"); its variable forms are
// CAnfWarmwasserVarIn and CAnfWarmwasserVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CAnfWarmwasser : public FunctionParamForm {
    DECLARE_DYNCREATE(CAnfWarmwasser)
public:
    CAnfWarmwasser();

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
extern CAnfWarmwasser* g_pAnfWarmwasser;
