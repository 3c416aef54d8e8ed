// CReorderForm: a list whose rows the person reorders by dragging them, the base of the function-order form
// (command "funcorder") and the message-order form (command "msgorder"). What differs between them is a row of
// ReorderKind: template and ids, captions, how the rows are read, and how the new order is written.
//
// Column "Nr" (shown first) always reads 1 to n: the slot each row will occupy after the save. A drag runs from the
// list's begin-drag notification to the button's release or a key press; while the dragged row is held over the top
// visible row or the last fully visible one, a 300 ms timer scrolls the list one row at a time. A key during the drag,
// a release outside the list or over no row changes nothing. The new order lives in the form until save-and-close.
#pragma once

#include "link/StartContext.h"
#include "platform/CFormView.h"
#include "platform/CImageList.h"
#include "platform/CListCtrl.h"
#include "platform/FirstActivation.h"

#include <functional>
#include <memory>
#include <vector>

struct ReorderKind {
    UINT templateId;
    UINT groupId;
    UINT listId;
    const char* title;
    const char* groupCaption;
    const char* column;
    // The row texts, in slot order; row r stands for slot r + 1.
    std::vector<CString> (*readRows)();
    // Rewrites the slots read beforehand in a new order: order[p] is the slot that goes to slot p + 1. False when a
    // write failed; nothing is committed then.
    using Rewrite = std::function<bool(const std::vector<int>& order)>;
    // Reads the `count` slots the order moves and returns their rewrite; empty when a read failed.
    Rewrite (*readSlots)(size_t count);
};

class CReorderForm : public CFormView, public platform::FirstActivation, public UsesRunContext {
    DECLARE_DYNAMIC(CReorderForm)
public:
    static constexpr UINT_PTR kScrollTimer = 102;
    static constexpr UINT kScrollPeriod = 300;

    explicit CReorderForm(const ReorderKind& kind);
    ~CReorderForm() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    // Writes the new order, commits it and ends the process; returns only when the writing or the commit failed
    // (the person was told). The slots are read once, at the first save after loading: a retry rewrites them from
    // that read, never from slots a failed save left half rewritten.
    void SaveAndExit();
    // The slot each row was loaded from.
    const std::vector<int>& Order() const { return m_order; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnBeginDragList(UINT id, NMHDR* header, LRESULT* result);
    void OnKeyDownList(UINT id, NMHDR* header, LRESULT* result);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);

private:
    void EndDrag();
    void StartScrollTimer(int direction);
    void MoveRow(int source, int target);
    int Rows() const { return static_cast<int>(m_order.size()); }

    enum { kNone = 0, kUp = 1, kDown = 2 };
    const ReorderKind& m_kind;
    CString m_strTitle;
    CListCtrl m_List;
    CImageList m_Images;
    std::vector<int> m_order;
    ReorderKind::Rewrite m_rewrite;  // the slots as the first save read them
    bool m_bDragging = false;
    int m_nSource = -1;
    int m_nTarget = -1;
    std::unique_ptr<CImageList> m_pDragImage;
    CPoint m_lastPoint;  // screen coordinates
    int m_nDirection = kNone;
    bool m_bTimer = false;

    DECLARE_MESSAGE_MAP()
};

class CFuncOrder : public CReorderForm {
    DECLARE_DYNCREATE(CFuncOrder)
public:
    CFuncOrder();
};

class CMeldungOrder : public CReorderForm {
    DECLARE_DYNCREATE(CMeldungOrder)
public:
    CMeldungOrder();
};

extern CFuncOrder* g_pFuncOrder;
extern CMeldungOrder* g_pMeldungOrder;
