// The parameter form of the function control (function type 20, "Funktionskontrolle"): an error when control value
// a exceeds a fixed limit (value b open) or the difference of a and b exceeds a limit (value b wired), for at least
// a number of minutes, and whether the error is stored. The limit list, its caption and unit follow the wiring of
// value b, which the run does not change: the list is built once. The inputs are its input-variable form
// (CFuncKontrolleVarIn), the two error outputs (outputs 1 to 15) its output-variable form (CFuncKontrolleVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CFuncKontrolle : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CFuncKontrolle)
public:
    CFuncKontrolle();

    void OnGrenzwert();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    bool m_limitBuilt = false;
    CComboBox m_limit;
};

extern CFuncKontrolle* g_pFuncKontrolle;
