// FunctionVarOutForm: the output-variable form of every function type, a read-only display of the outputs each
// output pin drives. The boxes stay disabled; their check states come from the parameter form's record once per
// run, on the first activation. Every activation sets the title, the group titles, the box labels and the
// designation line.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "forms/frame/FunctionVarInForm.h"
#include "platform/CFormView.h"

#include <span>

class FunctionVarOutForm : public CFormView {
    DECLARE_DYNAMIC(FunctionVarOutForm)
public:
    FunctionVarOutForm(const forms::FunctionKind& kind, std::span<const forms::OutputGroup> groups,
                       FunctionVarInForm::ParamFormOf param);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void UpdateForm();

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    std::span<const forms::OutputGroup> m_groups;
    FunctionVarInForm::ParamFormOf m_param;
    const forms::FunctionKind& m_kind;
    CString m_strTitle;
    CString m_strBezeichnung;
};
