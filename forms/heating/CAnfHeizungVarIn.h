// The input-variable form of the heating request (function type 2, "Anforderung Heizung").
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CAnfHeizungVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CAnfHeizungVarIn)
public:
    CAnfHeizungVarIn();
};
