// The parameter form of the heating-circuit controller (function type 1, "Heizkreisregler"): the operating mode,
// the room setpoints, the lead time and the time programs; its buttons open the dialogs of the heating curve
// (CHzkrHeizkurveDlg), the averaging times, the switch-off conditions and the frost protection (CHzkrDialogs).
// The variable forms are CHzkrRegVarIn and CHzkrRegVarOut. A save also relabels the participant pins of every
// maintenance function that lists the controller.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CHzkrReg : public FunctionParamForm {
    DECLARE_DYNCREATE(CHzkrReg)
public:
    CHzkrReg();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its three forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();

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
