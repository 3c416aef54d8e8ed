// CSignalUebergabe: the form of a "Signal_Übergabe" or "Signal_Übernahme" object. It lists the IDs the drawing's
// signal objects carry (case-sensitively distinct) and gives the object the ID typed or double-clicked: its save
// checks the ID (not empty, at most 20 characters) and sends it at once as the object's designation. Nothing of
// the parameter set is written.
#pragma once

#include "link/StartContext.h"
#include "platform/CEdit.h"
#include "platform/CFormView.h"
#include "platform/CListBox.h"
#include "platform/FirstActivation.h"

class CSignalUebergabe : public CFormView, public platform::FirstActivation, public UsesRunContext {
    DECLARE_DYNCREATE(CSignalUebergabe)
public:
    CSignalUebergabe();
    ~CSignalUebergabe() override;

    static CView* CreateForm();
    static void Publish(CView* form);
    static void Save();

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    // Returns only when the ID was refused.
    void SaveAndExit();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnDblclkListe();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTitle, m_strListLabel;
    CListBox m_list;
    CEdit m_id;
};

extern CSignalUebergabe* g_pSignalUebergabe;
