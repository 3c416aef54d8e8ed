// The parameter form of the analog function (function type 11, "Analogfunktion"): the unit, the function, the
// filter time (for "FILTRO"), the number of data inputs in use (check boxes), the fixed values of unconnected inputs
// and the fixed result while the release is off. The unit decides the value lists and their unit texts; they are
// rebuilt only when it changes. The inputs and their offsets are its input-variable form (CAnalogfuncVarIn), the
// result's outputs its output-variable form (CAnalogfuncVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"
#include "forms/logic/UnitLists.h"

#include <array>

class CAnalogfunc : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CAnalogfunc)
public:
    static constexpr int kVariables = 6;

    CAnalogfunc();

    void OnErgebnisWert();
    void OnVariablenWert();
    void OnVariable(UINT id);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    forms::ListUnit m_listUnit;  // the unit the value lists were built for
    CComboBox m_result;
    std::array<CComboBox, kVariables> m_values;
};

extern CAnalogfunc* g_pAnalogfunc;
