// The parameter form of the cooling function (function type 18, "Kühlfunktion"): its daily time window, the fixed
// maximum reference temperature, the switch-on and switch-off differences and the control variable. All of it is table
// data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CKuehlfunc : public FunctionParamForm {
    DECLARE_DYNCREATE(CKuehlfunc)
public:
    CKuehlfunc();

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
extern CKuehlfunc* g_pKuehlfunc;
