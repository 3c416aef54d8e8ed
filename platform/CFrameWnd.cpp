// Frame windows of the window model.
#include "platform/CFrameWnd.h"

#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/ResourceRegistry.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {
constexpr int kStatusBarHeight = 20;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    CString title = platform::ResourceRegistry::Instance().String(resourceId);
    int lineEnd = title.Find('\n');
    if (lineEnd >= 0)
        title = title.Left(lineEnd);
    LoadAccelTable(resourceId);
    m_nMenuId = platform::ResourceRegistry::Instance().Menu(resourceId) ? resourceId : 0;
    return Create(nullptr, title, style, CRect(0, 0, 0, 0), parent, nullptr, 0, context);
}

BOOL CFrameWnd::Create(LPCTSTR, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent, LPCTSTR, DWORD exStyle,
                       CCreateContext* context)
{
    CRect r(rect);
    if (r.IsRectNull()) {
        // The system's default placement: a window of sensible size near the screen's top left corner.
        r = CRect(CPoint(26, 26), CSize(749, 603));
    }
    if (!CreateModelWindow(platform::WindowKind::Frame, "", style & ~WS_CHILD, exStyle, r, nullptr, 0, nullptr,
                           context, parent ? parent->m_hWnd : nullptr))
        return FALSE;
    if (title && *title)
        SetWindowText(title);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    auto* context = createStruct ? static_cast<CCreateContext*>(createStruct->lpCreateParams) : nullptr;
    if (context && context->m_pNewViewClass && !CreateView(context))
        return -1;
    return 0;
}

CView* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    CObject* object = context->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CView*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, id, context)) {
        delete view;
        return nullptr;
    }
    return view;
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify)
{
    CView* old = m_pViewActive;
    if (view == old)
        return;
    m_pViewActive = nullptr;
    if (old)
        old->OnActivateView(FALSE, view, old);
    m_pViewActive = view;
    if (view && notify)
        view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL makeVisible)
{
    CView* first = nullptr;
    if (CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST))
        first = dynamic_cast<CView*>(pane);
    if (!m_pViewActive && first)
        SetActiveView(first);
    platform::WindowData* data = Data();
    for (HWND child : std::vector<HWND>(data->children)) {
        platform::WindowData* c = platform::FindWindowData(child);
        if (c && c->kind == platform::WindowKind::View)
            SendMessageA(child, WM_INITIALUPDATE, 0, 0);
    }
    if (makeVisible)
        ActivateFrame(-1);
}

void CFrameWnd::ActivateFrame(int cmdShow)
{
    ShowWindow(cmdShow == -1 ? SW_SHOW : cmdShow);
    RecalcLayout();
    UpdateCommandUI();
}

void CFrameWnd::RecalcLayout(BOOL)
{
    platform::WindowData* data = Data();
    if (!data)
        return;
    CRect client;
    GetClientRect(&client);
    CRect rest = client;
    for (HWND child : data->children) {
        platform::WindowData* c = platform::FindWindowData(child);
        if (c->kind == platform::WindowKind::StatusBar && (c->style & WS_VISIBLE)) {
            CWnd::FromHandle(child)->MoveWindow(rest.left, rest.bottom - kStatusBarHeight, rest.Width(),
                                                kStatusBarHeight);
            rest.bottom -= kStatusBarHeight;
        }
    }
    for (HWND child : data->children) {
        platform::WindowData* c = platform::FindWindowData(child);
        if (c->kind != platform::WindowKind::ToolBar || !(c->style & WS_VISIBLE))
            continue;
        auto* bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(child));
        CSize size = bar ? bar->CalcSize() : CSize();
        if (bar && (bar->GetBarStyle() & CBRS_ALIGN_LEFT)) {
            bar->MoveWindow(rest.left, rest.top, size.cx, rest.Height());
            rest.left += size.cx;
        } else if (bar) {
            bar->MoveWindow(rest.left, rest.top, rest.Width(), size.cy);
            rest.top += size.cy;
        }
    }
    if (CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pane->MoveWindow(rest.left, rest.top, rest.Width(), rest.Height());
}

void CFrameWnd::OnSize(UINT, int, int)
{
    RecalcLayout();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, handlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, handlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, handlerInfo);
}

CStatusBar* CFrameWnd::GetMessageBar() const
{
    return dynamic_cast<CStatusBar*>(GetDlgItem(AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCTSTR text)
{
    if (CStatusBar* bar = GetMessageBar())
        bar->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT stringId)
{
    CString text = platform::ResourceRegistry::Instance().String(stringId);
    int lineEnd = text.Find('\n');
    SetMessageText(lineEnd >= 0 ? text.Left(lineEnd) : text);
}

void CFrameWnd::UpdateCommandUI()
{
    platform::WindowData* data = Data();
    if (!data)
        return;
    for (HWND child : std::vector<HWND>(data->children)) {
        platform::WindowData* c = platform::FindWindowData(child);
        if (c && c->kind == platform::WindowKind::ToolBar)
            if (auto* bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(child)))
                bar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UpdateCommandUI();
    return 0;
}

BOOL CFrameWnd::LoadAccelTable(UINT id)
{
    const std::vector<ACCEL>* table = platform::ResourceRegistry::Instance().Accelerators(id);
    if (!table)
        return FALSE;
    m_accelerators = *table;
    return TRUE;
}

bool CFrameWnd::TranslateAccelerator(UINT key, BYTE modifiers)
{
    BYTE held = modifiers & (FCONTROL | FALT | FSHIFT);
    for (const ACCEL& a : m_accelerators) {
        if (a.key == key && (a.fVirt & (FCONTROL | FALT | FSHIFT)) == held) {
            SendMessage(WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
            return true;
        }
    }
    return false;
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    delete this;
}
