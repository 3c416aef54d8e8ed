// The parameter form of the heating request (function type 2, "Anforderung Heizung"); its variable forms are
// CAnfHeizungVarIn and CAnfHeizungVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CAnfHeizung : public FunctionParamForm {
    DECLARE_DYNCREATE(CAnfHeizung)
public:
    CAnfHeizung();

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
extern CAnfHeizung* g_pAnfHeizung;
