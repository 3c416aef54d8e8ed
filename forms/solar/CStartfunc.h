// The parameter form of the start function (function type 16, "Startfunktion"): its daily activation window, run
// time, interval and activation threshold, and the names of the solar controls it serves (chosen in its input-variable
// form, shown again on every later activation).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CStartfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CStartfunc)
public:
    CStartfunc();

protected:
    // The participants by name, and the threshold list of the kind the radiation input decides.
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CStartfunc* g_pStartfunc;
