// The comparison's output-variable form: the outputs of "Va > Vb + diff" and of "Va < Vb + diff".
#pragma once

#include "forms/frame/FunctionVarOutForm.h"

class CVergleichVarOut : public FunctionVarOutForm {
    DECLARE_DYNCREATE(CVergleichVarOut)
public:
    CVergleichVarOut();
};
