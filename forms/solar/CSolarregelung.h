// The parameter form of the solar control (function type 6, "Solarregelung"): the maximum collector, reference and
// limit temperatures with their hystereses and the switch-on and switch-off differences. All of it is table data of
// the function form frame; its save also relabels the solar priorities and start functions that list it.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CSolarregelung : public FunctionParamForm {
    DECLARE_DYNCREATE(CSolarregelung)
public:
    CSolarregelung();

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
extern CSolarregelung* g_pSolarregelung;
