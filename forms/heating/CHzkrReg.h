// The parameter form of the heating-circuit controller (function type 1, "Heizkreisregler"): the operating mode,
// the room setpoints, the lead time and the time programs; its buttons open the dialogs of the heating curve
// (CHzkrHeizkurveDlg), the averaging times, the switch-off conditions and the frost protection (CHzkrDialogs).
// The variable forms are CHzkrRegVarIn and CHzkrRegVarOut. A save also relabels the participant pins of every
// maintenance function that lists the controller.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CHzkrReg : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CHzkrReg)
public:
    CHzkrReg();

protected:
    // Each dialog writes its fields on OK only; none of them shows on this form, so nothing is shown again.
    void OnHeizkurve();
    void OnMittelwert();
    void OnAbschaltbedingung();
    void OnFrostschutz();
    DECLARE_MESSAGE_MAP()
};

// The parameter form of the run, once the shell created it.
extern CHzkrReg* g_pHzkrReg;
