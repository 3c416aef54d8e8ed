// The function control's input-variable form: the control values a and b and the release of the difference control.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CFuncKontrolleVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CFuncKontrolleVarIn)
public:
    CFuncKontrolleVarIn();
};
