// The mixer control's output-variable form: the mixer output pair it drives, or none.
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CMischerRegVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CMischerRegVarOut)
public:
    CMischerRegVarOut();
};
