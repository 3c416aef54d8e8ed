// The solar control's output-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CSolarregelungVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CSolarregelungVarOut)
public:
    CSolarregelungVarOut();
};
