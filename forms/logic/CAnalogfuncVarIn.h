// The analog function's input-variable form: the release, the result while the release is off and the six data
// inputs, with the offsets of the connected ones in the unit's scale. Data inputs 2 to 6 and the offsets follow the
// parameter form's record on every activation.
#pragma once

#include "forms/frame/FunctionVarInForm.h"

class CAnalogfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CAnalogfuncVarIn)
public:
    CAnalogfuncVarIn();

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void ShowOffsets();
    void OnErgebnisOffset();
    void OnVariablenOffset();

protected:
    bool InputInUse(const forms::InputRow& input, const BYTE* record) const override;
    DECLARE_MESSAGE_MAP()
};
