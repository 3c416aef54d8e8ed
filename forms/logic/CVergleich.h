// The parameter form of the comparison (function type 9, "Vergleich"): the unit of the compared values, the fixed
// value b while value b has no source, and the switching differences ON and OFF. The unit decides the lists of the
// three values, their labels and how a list index is stored; the lists are rebuilt only when the unit changes.
// The release and the two values are its input-variable form (CVergleichVarIn), the outputs "Va > Vb + diff" and
// "Va < Vb + diff" its output-variable form (CVergleichVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"
#include "forms/logic/UnitLists.h"

class CVergleich : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CVergleich)
public:
    CVergleich();

    void OnWertB();
    void OnDifferenz();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    forms::ListUnit m_listUnit;  // the unit the value lists were built for
    CComboBox m_valueB;
    CComboBox m_on;
    CComboBox m_off;
};

extern CVergleich* g_pVergleich;
