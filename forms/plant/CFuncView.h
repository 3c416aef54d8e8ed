// CFuncView: the form of the command "funcview". It edits the controller's function overview, an ordered list of at
// most 128 display values grouped under headers, each value marked with the user level that may change it.
//
// Two trees side by side: the catalogue of every value the parameter set offers, and the overview list itself. A
// value belongs to the header before it, so inserting keeps a header in front of every run of values of one group:
// a value behind a value of another group gets its header, and one inserted inside a run of another group splits
// that run with a second header of the run's group. The list lives in the form until save-and-close writes it.
#pragma once

#include "link/StartContext.h"
#include "platform/CFormView.h"
#include "platform/CImageList.h"
#include "platform/CTreeCtrl.h"
#include "platform/FirstActivation.h"
#include "store/FuncViewEntry.h"

#include <vector>

class CFuncView : public CFormView, public platform::FirstActivation, public UsesRunContext {
    DECLARE_DYNCREATE(CFuncView)
public:
    static constexpr int kMaxEntries = 128;

    CFuncView();
    ~CFuncView() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    // Writes the form's record, commits it and ends the process; returns only when the writing or the commit
    // failed (the person was told, nothing was sent).
    void SaveAndExit();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnAdd();
    void OnRemove();
    void OnKeyDownAvailable(NMHDR* header, LRESULT* result);
    void OnKeyDownList(NMHDR* header, LRESULT* result);

private:
    // Inserts the entry before position (an index of the list; its size appends). Returns the index of the new
    // value, or of the new header for a header; -1 when the overview's limit refuses it (with limit set).
    int InsertEntry(std::vector<FuncViewEntry>& list, size_t position, const FuncViewEntry& entry, bool limit);
    void ShowOverview();
    void AddSelected();
    void RemoveSelected();
    void SetAccessLevel(BYTE kind);
    int OverviewIndex(HTREEITEM item) const;
    static void OverviewImages(const FuncViewEntry& entry, int& image, int& selected);

    CString m_strTitle;
    int m_nLevel = -1;
    CTreeCtrl m_Available;
    CTreeCtrl m_List;
    CImageList m_AvailableImages;
    CImageList m_ListImages;
    std::vector<FuncViewEntry> m_catalogue;
    std::vector<HTREEITEM> m_catalogueItems;
    std::vector<FuncViewEntry> m_overview;
    std::vector<HTREEITEM> m_overviewItems;  // the tree item of each entry of m_overview
    HTREEITEM m_hEnd = nullptr;

    DECLARE_MESSAGE_MAP()
};

extern CFuncView* g_pFuncView;
