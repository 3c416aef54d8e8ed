// The heat meter's input-variable form: table data of the function form frame.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CWMZVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CWMZVarIn)
public:
    CWMZVarIn();
};
