// The mixer control's input-variable form: the release, the control temperature and the setpoint.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CMischerRegVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CMischerRegVarIn)
public:
    CMischerRegVarIn();
};
