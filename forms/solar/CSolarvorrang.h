// The parameter form of the solar priority (function type 7, "Solarvorrang"): the priority of each participating
// solar control, one row per participant in use, and the follow-up timer. The participants are chosen in its
// input-variable form; this form builds its rows for their number on every activation.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CSolarvorrang : public FunctionParamForm {
    DECLARE_DYNCREATE(CSolarvorrang)
public:
    CSolarvorrang();

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
    // The participant rows for the count in use, and the priority and level lists of that count.
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CSolarvorrang* g_pSolarvorrang;
