// CCompiler: the compiler form of the "parser" command. It shows the target path of the function-data file, the
// controller the data need (the requirement line), and runs the compile with its status line and progress bar; its
// buttons choose the target and open the dialogs of the additional controller settings, the network settings and
// the welcome screen.
//
// The form fills itself on its first activation while its first-activation flag is set.
#pragma once

#include "link/StartContext.h"
#include "platform/CButton.h"
#include "platform/CEdit.h"
#include "platform/CFormView.h"
#include "platform/CProgressCtrl.h"
#include "platform/CStatic.h"
#include "platform/FirstActivation.h"
#include "production/CompileSequence.h"

class CCompiler : public CFormView,
                  public platform::FirstActivation,
                  public UsesRunContext,
                  public production::CompileReporter {
    DECLARE_DYNCREATE(CCompiler)
public:
    CCompiler();
    ~CCompiler() override;

    void LoadForm();
    void ShowRequirement();
    void SetStatus(int position, const CString& text) override;
    bool Konvertieren(const CString& target);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnZielWaehlen();
    void OnKonvertieren();
    void OnBenutzerEinstellungen();
    void OnNetzwerkEinstellungen();
    void OnBegruessungsseite();

    DECLARE_MESSAGE_MAP()

private:
    void SetTarget(const CString& path);

    CEdit m_Target;
    CButton m_Convert;
    CProgressCtrl m_Progress;
    CStatic m_Requirement;
    CString m_strTitle;
    CString m_strStatus;
    CString m_strRequirement;
};
