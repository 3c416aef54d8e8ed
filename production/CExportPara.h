// CExportPara: the form of the documentation export, the second pane of the "parser" frame. It keeps the options
// (sections, filters, layout, external source, target) and drives a DocRun; the run itself knows no window and
// reports its progress back through the form's status line and bar.
#pragma once

#include "link/StartContext.h"
#include "platform/CButton.h"
#include "platform/CEdit.h"
#include "platform/CFormView.h"
#include "platform/CProgressCtrl.h"
#include "platform/FirstActivation.h"
#include "production/DocRun.h"
#include "store/ExportFilter.h"

class CExportPara : public CFormView, public platform::FirstActivation, public UsesRunContext, public DocReporter {
    DECLARE_DYNCREATE(CExportPara)
    DECLARE_MESSAGE_MAP()
public:
    CExportPara();
    ~CExportPara() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void Status(int position, const CString& text) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void LoadForm();
    void ReadControls();
    void ShowFlags();
    bool QuelleWaehlen();
    bool Exportieren(const CString& target);

    void OnZielWaehlen();
    void OnExportieren();
    void OnDurchsuchen();
    void OnExterneQuelle();
    void OnFlagBox(UINT id);

    CButton m_flagBoxes[12];
    CButton m_externOn;
    CButton m_browse;
    CButton m_targetChoose;
    CButton m_run;
    CEdit m_externEdit;
    CEdit m_targetEdit;
    CProgressCtrl m_progress;
    CString m_title;
    CString m_status;
    int m_format = -1;
    ExportFilter m_filter;
    CString m_target;
    BYTE m_external = 0;
    CString m_externPath;
};
