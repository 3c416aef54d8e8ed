// The parameter form of the circulation (function type 5, "Zirkulation"); its variable forms are CZirkulationVarIn and
// CZirkulationVarOut. All of it is table data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CZirkulation : public FunctionParamForm {
    DECLARE_DYNCREATE(CZirkulation)
public:
    CZirkulation();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its three forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();

protected:
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CZirkulation* g_pZirkulation;
