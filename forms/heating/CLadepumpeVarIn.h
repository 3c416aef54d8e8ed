// The input-variable form of the charge pump (function type 4, "Ladepumpe").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CLadepumpeVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CLadepumpeVarIn)
public:
    CLadepumpeVarIn();
};
