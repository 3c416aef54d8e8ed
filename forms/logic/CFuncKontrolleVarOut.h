// The function control's output-variable form: the outputs 1 to 15 of "Errore Valore" and of "Errore Diff".
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CFuncKontrolleVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CFuncKontrolleVarOut)
public:
    CFuncKontrolleVarOut();
};
