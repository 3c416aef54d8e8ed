// The output-variable form of the heating request (function type 2, "Anforderung Heizung").
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CAnfHeizungVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CAnfHeizungVarOut)
public:
    CAnfHeizungVarOut();
};
