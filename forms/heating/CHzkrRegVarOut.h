// The output-variable form of the heating-circuit controller (function type 1, "Heizkreisregler").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CHzkrRegVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CHzkrRegVarOut)
public:
    CHzkrRegVarOut();
};
