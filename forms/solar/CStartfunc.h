// The parameter form of the start function (function type 16, "Startfunktion"): its daily activation window, run
// time, interval and activation threshold, and the names of the solar controls it serves (chosen in its input-variable
// form, shown again on every later activation).
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CStartfunc : public FunctionParamForm {
    DECLARE_DYNCREATE(CStartfunc)
public:
    CStartfunc();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();

protected:
    // The participants by name, and the threshold list of the kind the radiation input decides.
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CStartfunc* g_pStartfunc;
