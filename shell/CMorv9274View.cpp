// The start view of the main frame.
#include "shell/CMorv9274View.h"

#include "platform/CFrameWnd.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CMorv9274View, CFormView)

CMorv9274View::CMorv9274View() : CFormView(IDD_MORV9274_FORM) {}

CMorv9274View::~CMorv9274View() = default;

void CMorv9274View::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CFrameWnd* frame = GetParentFrame();
    if (!frame)
        return;
    frame->RecalcLayout();
    if (!frame->IsIconic())
        ResizeParentToFit(TRUE);
}
