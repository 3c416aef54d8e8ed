// CImport: the form of a "paraimport" run. The person chooses a function-data file ("*.dat") and starts the import,
// which runs within the click (ParameterImport: load, header, compatibility check, copy steps) while the form shows
// its status and progress. A refusal leaves the form open for another file; an import that succeeded or failed
// while copying ends the run.
//
// The form holds no import state: the chosen path lives in its read-only edit, the outcome in the click handler.
#pragma once

#include "link/StartContext.h"
#include "platform/CButton.h"
#include "platform/CEdit.h"
#include "platform/CFormView.h"
#include "platform/CProgressCtrl.h"
#include "platform/FirstActivation.h"
#include "production/ImportReporter.h"
#include "production/ParameterImport.h"

class CImport : public CFormView,
                public platform::FirstActivation,
                public UsesRunContext,
                private production::ImportReporter {
    DECLARE_DYNCREATE(CImport)
public:
    CImport();
    ~CImport() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;

    // First activation: texts, status, an empty progress and the start button disabled until a file is chosen.
    void LoadForm();
    void OnQuelleWaehlen();
    void OnImportieren();

    // The path the file dialog's answer gives: ".dat" appended unless the chosen name ends in ".dat" in any case.
    static CString SourcePath(const CString& chosenPath, const CString& extension);
    // The text of the message of a refusal by the compatibility check: first line, reason, last line.
    static CString IncompatibleText(const production::CheckResult& check);

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CButton m_StatusGroup;
    CButton m_SourceGroup;
    CButton m_ImportGroup;
    CEdit m_SourcePath;
    CProgressCtrl m_Progress;
    CButton m_ChooseSource;
    CButton m_Start;
    CString m_strTitle;
    CString m_strStatus;
    CString m_strNote;

private:
    void AddProgress(int increment, const CString& text) override;
    void SetStatus(const char* text, int position);
    // The message of an outcome that is not an import; false when the run is to end after it.
    bool ShowOutcome(const production::ImportOutcome& outcome);

    DECLARE_MESSAGE_MAP()
};
