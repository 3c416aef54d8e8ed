// The parameter form of the profile function (function type 22, "Profilfunktion"): the number of steps, the unit,
// the cyclic flag, the internal clock while no clock input is connected, the setpoint while the release is off, and
// the 64 step values in the unit's scale. The unit decides the lists of the values and their labels; the lists are
// rebuilt only when the unit changes. The form is taller than its pane and scrolls. The six inputs are its
// input-variable form (CProfilfuncVarIn), the status its output-variable form (CProfilfuncVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"
#include "forms/logic/UnitLists.h"

#include <array>

class CProfilfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CProfilfunc)
public:
    static constexpr int kSteps = 64;

    CProfilfunc();

    void OnStufe(UINT id);
    void OnSollwertAus();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    void ShowEinheiten();

    forms::ListUnit m_listUnit;  // the unit the value lists were built for
    CComboBox m_offValue;
    std::array<CComboBox, kSteps> m_steps;
};

extern CProfilfunc* g_pProfilfunc;
