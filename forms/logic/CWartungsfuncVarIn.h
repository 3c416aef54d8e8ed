// The maintenance function's input-variable form: the external switch, and the number and choice of the
// participating heating-circuit controllers (from the parameter form's controller list), shown on every activation.
#pragma once

#include "forms/frame/FunctionVarInForm.h"
#include "platform/CComboBox.h"

#include <array>

class CWartungsfuncVarIn : public FunctionVarInForm {
    DECLARE_DYNCREATE(CWartungsfuncVarIn)
public:
    CWartungsfuncVarIn();

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void ShowParticipants();
    void OnAnzahl();
    void OnTeilnehmer();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    DECLARE_MESSAGE_MAP()

private:
    bool m_filled = false;
    CComboBox m_count;
    std::array<CComboBox, 5> m_participants;
};
