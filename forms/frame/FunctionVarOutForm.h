// FunctionVarOutForm: the output-variable form of every function type, a read-only display of the outputs each
// output pin drives. The boxes stay disabled; their check states come from the parameter form's record once per
// run, on the first activation. Every activation sets the title, the group titles, the box labels and the
// designation line.
//
// With pages (a message's sets of output flags), a tab control above the boxes chooses the set they show, and the
// boxes are enabled: a click stores every box of the page into the parameter form's record at once.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "forms/frame/FunctionVarInForm.h"
#include "platform/CFormView.h"
#include "platform/CTabCtrl.h"
#include "platform/FirstActivation.h"

#include <span>

class FunctionVarOutForm : public CFormView, public platform::FirstActivation {
    DECLARE_DYNAMIC(FunctionVarOutForm)
public:
    FunctionVarOutForm(const forms::FunctionKind& kind, std::span<const forms::OutputGroup> groups,
                       FunctionVarInForm::ParamFormOf param, const forms::OutputPages* pages = nullptr);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void UpdateForm();
    // Direction 0 shows the current page's flags in the boxes, 1 stores the boxes into them (ticked 1, else 0).
    void UpdatePage(int direction);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnPageChange(UINT id, NMHDR* header, LRESULT* result);
    void OnBoxClick(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // The bytes from the boxes' own fields to the current page's: 0 without pages.
    unsigned PageShift() const;

    std::span<const forms::OutputGroup> m_groups;
    FunctionVarInForm::ParamFormOf m_param;
    const forms::FunctionKind& m_kind;
    const forms::OutputPages* m_pages;
    CTabCtrl m_tabs;
    CString m_strTitle;
    CString m_strBezeichnung;
};
