// The counter's input-variable form: the release, the counter reset and the six data inputs.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CZaehlerVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CZaehlerVarIn)
public:
    CZaehlerVarIn();
};
