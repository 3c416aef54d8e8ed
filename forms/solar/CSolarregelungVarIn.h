// The solar control's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CSolarregelungVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CSolarregelungVarIn)
public:
    CSolarregelungVarIn();
};
