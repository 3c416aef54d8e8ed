// The parameter form of the maintenance function (function type 13, "Wartungsfunktion"): the total running time,
// the burner power, and the designations of the participating heating-circuit controllers, which the
// input-variable form chooses (CWartungsfuncVarIn); the form shows its record again on every later activation so
// that they appear at once. The save labels the external switch and the five participant pins. The outputs are its
// output-variable form (CWartungsfuncVarOut).
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CWartungsfunc : public FunctionParamForm {
    DECLARE_DYNCREATE(CWartungsfunc)
public:
    CWartungsfunc();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();

protected:
    void ShowSpecial() override;
};

extern CWartungsfunc* g_pWartungsfunc;
