// CFormView: a view whose controls come from a dialog template.
//
// Create makes the view window with the given style (without WS_VISIBLE it stays hidden) and then the template's
// controls. OnInitialUpdate's base exchanges the data into the controls, so DDX_Control members are bound before any
// activation fills the view.
#pragma once

#include "platform/CView.h"

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);

    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
    void OnInitialUpdate() override;

    UINT GetTemplateId() const { return m_templateId; }
    // The template's size in pixels.
    CSize GetTemplateSize() const;
    // Resizes the parent frame so that this view's area matches the template's size; with shrinkOnly the frame
    // only becomes smaller.
    void ResizeParentToFit(BOOL shrinkOnly = TRUE);

protected:
    UINT m_templateId;
};
