// CCanLogging: the form of the command "canlogging". It edits the controller's CAN data logging: the master node, a
// time-out and two data records of 16 analog and 13 digital values, each value a source picked from a tree of every
// source of the current drawing.
//
// The form fills itself on its first activation; edits stay in the form until save-and-close writes them into the
// working copy and commits it. "Rete..." opens the network settings, which write the working copy at once.
#pragma once

#include "forms/plant/ColorListCtrl.h"
#include "link/StartContext.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/CImageList.h"
#include "platform/CTabCtrl.h"
#include "platform/CTreeCtrl.h"
#include "platform/FirstActivation.h"
#include "store/LoggingListen.h"

#include <vector>

class CCanLogging : public CFormView, public platform::FirstActivation, public UsesRunContext {
    DECLARE_DYNCREATE(CCanLogging)
public:
    static constexpr int kRows = 29;  // 16 analog values, then 13 digital ones

    CCanLogging();
    ~CCanLogging() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    // Writes the form's record, commits it and ends the process; returns only when the writing or the commit
    // failed (the person was told, nothing was sent).
    void SaveAndExit();

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnTabChanged(NMHDR* header, LRESULT* result);
    void OnAdd();
    void OnRemove();
    void OnClearAll();
    void OnDefaults();
    void OnNetwork();
    void OnTreeKey(NMHDR* header, LRESULT* result);
    void OnListKey(NMHDR* header, LRESULT* result);
    void OnListDraw(NMHDR* header, LRESULT* result);

private:
    struct Source {
        HTREEITEM item;
        int level;  // 0 group, 1 value
        Quelle source;
    };

    void FillSourceTree();
    void ShowRecord();
    void ShowList(int selectRow);
    Quelle& Entry(int set, int row);
    void SetEntry(int row, const Quelle& source);
    void MoveMarkOn(int row);

    CString m_strTitle;
    CTreeCtrl m_Sources;
    CColorListCtrl m_List;
    CTabCtrl m_Tabs;
    CComboBox m_Master;
    CComboBox m_Timeout;
    CImageList m_Images;
    LoggingListen m_Record;
    CString m_texts[2][kRows];
    int m_nCurrent = 0;
    std::vector<Source> m_sources;
    bool m_bNodeChanged = false;

    DECLARE_MESSAGE_MAP()
};

extern CCanLogging* g_pCanLogging;
