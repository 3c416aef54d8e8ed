// The parameter form of the time switch (function type 15, "Schaltuhr"): the setpoint while the time condition is
// not met, the minimum duration of the blocking condition and the blocking time (only with a blocking input), and
// the button that opens the time programs (CZeitprogrammDlg). The release and the blocking input are its
// input-variable form (CSchaltuhrVarIn), the status of the time condition its output-variable form
// (CSchaltuhrVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CSchaltuhr : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CSchaltuhr)
public:
    CSchaltuhr();

protected:
    void ShowSpecial() override;
};

extern CSchaltuhr* g_pSchaltuhr;
