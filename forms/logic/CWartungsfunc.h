// The parameter form of the maintenance function (function type 13, "Wartungsfunktion"): the total running time,
// the burner power, and the designations of the participating heating-circuit controllers, which the
// input-variable form chooses (CWartungsfuncVarIn); the form shows its record again on every later activation so
// that they appear at once. The save labels the external switch and the five participant pins. The outputs are its
// output-variable form (CWartungsfuncVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CWartungsfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CWartungsfunc)
public:
    CWartungsfunc();

protected:
    void ShowSpecial() override;
};

extern CWartungsfunc* g_pWartungsfunc;
