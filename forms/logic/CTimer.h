// The parameter form of the timer function (function type 14, "Timerfunktion"): the mode, the trigger's edge and
// retrigger, the pulse time (the ON and OFF times of the astable mode) and the duty ratio while its input is open.
// The mode decides which controls are shown and enabled, and whether the trigger input is in use. The release,
// trigger and duty-ratio inputs are its input-variable form (CTimerVarIn), the outputs of the timer and of the
// inverted timer its output-variable form (CTimerVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CTimer : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CTimer)
public:
    CTimer();

    // The astable mode: the pulse time is the ON time, an OFF time follows, and the trigger is not used.
    static bool Astable(const BYTE* record);

protected:
    void ShowSpecial() override;
    void PrepareLabels(std::vector<BYTE>& record) const override;
};

extern CTimer* g_pTimer;
