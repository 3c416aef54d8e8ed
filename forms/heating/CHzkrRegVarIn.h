// The input-variable form of the heating-circuit controller (function type 1, "Heizkreisregler").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CHzkrRegVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CHzkrRegVarIn)
public:
    CHzkrRegVarIn();
};
