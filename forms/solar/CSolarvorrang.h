// The parameter form of the solar priority (function type 7, "Solarvorrang"): the priority of each participating
// solar control, one row per participant in use, and the follow-up timer. The participants are chosen in its
// input-variable form; this form builds its rows for their number on every activation.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CSolarvorrang : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CSolarvorrang)
public:
    CSolarvorrang();

protected:
    // The participant rows for the count in use, and the priority and level lists of that count.
    void ShowSpecial() override;
};

// The parameter form of the run, once the shell created it.
extern CSolarvorrang* g_pSolarvorrang;
