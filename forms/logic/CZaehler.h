// The parameter form of the counter (function type 17, "Zähler"): an operating-hours counter or a pulse counter
// with a divisor, and the counter position a person presets (hours and minutes, or pulses). Its save refuses a
// position out of range with a warning and leaves the form open. The release, the reset and six data inputs are its
// input-variable form (CZaehlerVarIn); the type has no output-variable form.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CEdit.h"

class CZaehler : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CZaehler)
public:
    CZaehler();

    // Saves and ends the run, or warns and returns when the position is out of range.
    void CheckAndSave();
    void OnModus();
    void OnPosition();
    void OnMinutes();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    bool m_showEdits = true;  // the next show writes position and minutes into the edits (set-up, mode change)
    CEdit m_position;
    CEdit m_minutes;
};

extern CZaehler* g_pZaehler;
