// CView: a child window of a frame that shows a document; the frame's active view receives commands first.
//
// Activation: the frame calls OnActivateView(FALSE, new, old) on the view it deactivates and then
// OnActivateView(TRUE, new, old) on the view it activates, only through CFrameWnd::SetActiveView and only when the
// active view really changes; re-activating the frame window (after a dialog or a message box) calls nothing.
// WM_INITIALUPDATE runs OnInitialUpdate. Views delete themselves when their window is destroyed (create them with new).
#pragma once

#include "platform/CWnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    // A view window (WS_CHILD added); the creation context's document, when given, gets the view.
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);

    // The view's own handlers, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo) override;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();

protected:
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    CDocument* m_pDocument = nullptr;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
