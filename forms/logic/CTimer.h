// The parameter form of the timer function (function type 14, "Timerfunktion"): the mode, the trigger's edge and
// retrigger, the pulse time (the ON and OFF times of the astable mode) and the duty ratio while its input is open.
// The mode decides which controls are shown and enabled, and whether the trigger input is in use. The release,
// trigger and duty-ratio inputs are its input-variable form (CTimerVarIn), the outputs of the timer and of the
// inverted timer its output-variable form (CTimerVarOut).
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CTimer : public FunctionParamForm {
    DECLARE_DYNCREATE(CTimer)
public:
    CTimer();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();
    // The astable mode: the pulse time is the ON time, an OFF time follows, and the trigger is not used.
    static bool Astable(const BYTE* record);

protected:
    void ShowSpecial() override;
    void PrepareLabels(std::vector<BYTE>& record) const override;
};

extern CTimer* g_pTimer;
