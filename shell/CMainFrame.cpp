// The main frame: creation with its toolbar and status bar, and WINDOW.ini.
#include "shell/CMainFrame.h"

#include "resources/ResourceIds.h"
#include "shell/CMorv9274App.h"
#include "shell/FormTable.h"
#include "shell/WindowPlacementFile.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

CString CMainFrame::PlacementFilePath()
{
    return CMorv9274App::GetModuleDirectory() + "/WINDOW.ini";
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    bool hasPosition = false;
    const WindowPlacement placement = WindowPlacementFile(PlacementFilePath()).ForShowing(hasPosition);
    if (hasPosition) {
        cs.x = placement.left;
        cs.y = placement.top;
    }
    cs.cx = placement.width;
    cs.cy = placement.height;
    // Shown only when the start-up has created every form.
    cs.style |= static_cast<LONG>(WS_MINIMIZE);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    auto* app = dynamic_cast<CMorv9274App*>(AfxGetApp());
    const UINT toolBar = app ? app->GetFormRow().toolBar : FindFormRow(CString(), CString()).toolBar;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_LIST,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT | CBRS_TOOLTIPS |
                                   CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                               CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(toolBar))
        return -1;
    // The placeholders only make room in the resource; loaded, they become the wider gaps between the groups.
    for (int i = 0; i < m_wndToolBar.GetCount(); ++i)
        if (m_wndToolBar.GetItemID(i) == ID_TOOLBAR_PLACEHOLDER)
            m_wndToolBar.SetButtonStyle(i, TBBS_SEPARATOR);
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP,
                               AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(sizeof kIndicators / sizeof kIndicators[0])))
        return -1;
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

void CMainFrame::OnClose()
{
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    const CRect normal(placement.rcNormalPosition);
    WindowPlacement current;
    current.showState = WindowPlacementFile::StoredShowState(static_cast<int>(placement.showCmd));
    current.left = normal.left;
    current.top = normal.top;
    current.width = normal.Width();
    current.height = normal.Height();
    WindowPlacementFile(PlacementFilePath()).Update(current);
    CFrameWnd::OnClose();
}
