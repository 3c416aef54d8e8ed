// The output-variable form of the charge pump (function type 4, "Ladepumpe").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CLadepumpeVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CLadepumpeVarOut)
public:
    CLadepumpeVarOut();
};
