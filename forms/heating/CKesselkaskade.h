// The parameter form of the boiler cascade (function type 23, "Kesselkaskade"): the number of boilers and, per
// boiler, its switch-on and switch-off differences and switch-on delay; its button opens the service dialog
// (CKesselServiceDlg). The variable forms are CKesselkaskadeVarIn (the releases, the flow temperature and the
// participating requests) and CKesselkaskadeVarOut (the outputs of each boiler's demand).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CKesselkaskade : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CKesselkaskade)
public:
    CKesselkaskade();

protected:
    // Boiler 3's delay unit follows its value also while its lists are out of use.
    void ShowSpecial() override;
    // With two boilers the third stage does not exist: its release pin is labelled with the plain pin text.
    void PrepareLabels(std::vector<BYTE>& record) const override;
    // The service dialog edits the record; nothing it edits shows on this form.
    void OnServicemenue();
    DECLARE_MESSAGE_MAP()
};

// The parameter form of the run, once the shell created it.
extern CKesselkaskade* g_pKesselkaskade;
