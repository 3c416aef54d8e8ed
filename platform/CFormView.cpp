// Form views of the window model.
#include "platform/CFormView.h"

#include "platform/CFrameWnd.h"
#include "platform/ResourceRegistry.h"

#include <algorithm>
#include <cstdio>

IMPLEMENT_DYNAMIC(CFormView, CView)

CFormView::CFormView(UINT templateId) : m_templateId(templateId) {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context)
{
    const platform::DialogTemplate* dialogTemplate = platform::ResourceRegistry::Instance().Dialog(m_templateId);
    if (!dialogTemplate) {
        std::fprintf(stderr, "form %u: no template\n", m_templateId);
        return FALSE;
    }
    if (!CreateModelWindow(platform::WindowKind::View, windowName, style | WS_CHILD, 0, rect, parent, id, nullptr,
                           context))
        return FALSE;
    if (!platform::CreateTemplateControls(this, *dialogTemplate)) {
        DestroyAfterFailedCreation();
        return FALSE;
    }
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

CSize CFormView::GetTemplateSize() const
{
    const platform::DialogTemplate* dialogTemplate = platform::ResourceRegistry::Instance().Dialog(m_templateId);
    if (!dialogTemplate)
        return CSize();
    CRect r = platform::DialogUnitsToPixels(platform::DialogRect {0, 0, dialogTemplate->rect.cx,
                                                                  dialogTemplate->rect.cy});
    return r.Size();
}

void CFormView::ResizeParentToFit(BOOL shrinkOnly)
{
    CFrameWnd* frame = GetParentFrame();
    if (!frame)
        return;
    CRect view;
    GetClientRect(&view);
    CSize wanted = GetTemplateSize();
    CRect frameRect;
    frame->GetWindowRect(&frameRect);
    int width = frameRect.Width() + wanted.cx - view.Width();
    int height = frameRect.Height() + wanted.cy - view.Height();
    if (shrinkOnly) {
        width = std::min(width, static_cast<int>(frameRect.Width()));
        height = std::min(height, static_cast<int>(frameRect.Height()));
    }
    WINDOWPLACEMENT placement;
    frame->GetWindowPlacement(&placement);
    CRect normal(placement.rcNormalPosition);
    frame->MoveWindow(normal.left, normal.top, width, height);
}
