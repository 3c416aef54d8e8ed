// The reordering list of the function-order and message-order forms: loading, drag and drop, the scroll timer and
// the save.
#include "forms/plant/CReorderForm.h"

#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "platform/Win32Window.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"

IMPLEMENT_DYNAMIC(CReorderForm, CFormView)

BEGIN_MESSAGE_MAP(CReorderForm, CFormView)
    ON_NOTIFY_RANGE(LVN_BEGINDRAG, IDC_FUNCORDER_LIST, IDC_MSGORDER_LIST, OnBeginDragList)
    ON_NOTIFY_RANGE(LVN_KEYDOWN, IDC_FUNCORDER_LIST, IDC_MSGORDER_LIST, OnKeyDownList)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr int kNameWidth = 250;
constexpr int kNumberWidth = 30;

}  // namespace

CReorderForm::CReorderForm(const ReorderKind& kind) : CFormView(kind.templateId), m_kind(kind) {}

CReorderForm::~CReorderForm() = default;

void CReorderForm::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(m_kind.listId), m_List);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
}

void CReorderForm::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CReorderForm::LoadForm()
{
    m_strTitle = m_kind.title;
    SetDlgItemText(static_cast<int>(m_kind.groupId), m_kind.groupCaption);
    m_Images.DeleteImageList();
    m_Images.Create(16, 16, ILC_COLOR4, 0, 2);
    m_Images.AddImage(IDB_TILE_F, 0);
    m_Images.AddImage(IDB_TILE_F_SELECTED, 0);
    m_List.SetImageList(&m_Images, LVSIL_SMALL);
    m_List.DeleteAllItems();
    while (m_List.GetColumnCount() > 0)
        m_List.DeleteColumn(0);
    m_List.InsertColumn(0, m_kind.column, LVCFMT_LEFT, kNameWidth);
    m_List.InsertColumn(1, ui::kOrderNumberColumn, LVCFMT_RIGHT, kNumberWidth);
    m_order.clear();
    m_rewrite = nullptr;
    const std::vector<CString> rows = m_kind.readRows();
    for (size_t row = 0; row < rows.size(); ++row) {
        const int r = static_cast<int>(row);
        m_order.push_back(r + 1);
        m_List.InsertItem(r, rows[row], 0);
        CString number;
        number.Format("%d", r + 1);
        m_List.SetItemText(r, 1, number);
    }
    const int columns[] = {1, 0};
    m_List.SetColumnOrderArray(2, columns);
    m_nSource = -1;
    m_nTarget = -1;
    m_bDragging = false;
    m_pDragImage.reset();
    m_nDirection = kNone;
    m_bTimer = false;
    UpdateData(FALSE);
}

void CReorderForm::OnBeginDragList(UINT, NMHDR* header, LRESULT* result)
{
    *result = 0;
    auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
    m_nSource = nm->iItem;
    CPoint origin;
    m_pDragImage.reset(m_List.CreateDragImage(m_nSource, &origin));
    if (!m_pDragImage)
        return;
    m_pDragImage->BeginDrag(0, CPoint(10, 10));
    CPoint screen = nm->ptAction;
    m_List.ClientToScreen(&screen);
    CImageList::DragEnter(GetDesktopWindow(), screen);
    m_bDragging = true;
    m_nTarget = -1;
    SetCapture();
}

void CReorderForm::StartScrollTimer(int direction)
{
    m_nDirection = direction;
    m_bTimer = true;
    SetTimer(kScrollTimer, kScrollPeriod);
}

void CReorderForm::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    CImageList::DragMove(screen);
    m_lastPoint = screen;
    CImageList::DragShowNolock(FALSE);
    CWnd* under = WindowFromPoint(screen);
    if (under && under->m_hWnd == m_List.m_hWnd) {
        if (m_nTarget != -1) {
            m_List.SetItemState(m_nTarget, 0, LVIS_DROPHILITED);
            m_List.RedrawItems(m_nTarget, m_nTarget);
        }
        CPoint client = screen;
        m_List.ScreenToClient(&client);
        m_nTarget = m_List.HitTest(client);
        if (m_nTarget != -1) {
            m_List.EnsureVisible(m_nTarget, FALSE);
            m_List.SetItemState(m_nTarget, LVIS_DROPHILITED, LVIS_DROPHILITED);
            m_List.RedrawItems(m_nTarget, m_nTarget);
            const int top = m_List.GetTopIndex();
            if (!m_bTimer) {
                if (m_nTarget != 0 && m_nTarget == top)
                    StartScrollTimer(kUp);
                else if (m_nTarget < Rows() - 1 && m_nTarget >= top + m_List.GetCountPerPage() - 1)
                    StartScrollTimer(kDown);
            }
            m_List.UpdateWindow();
        }
    } else if (under && m_nTarget != -1) {
        m_List.SetItemState(m_nTarget, 0, LVIS_DROPHILITED);
    }
    CImageList::DragShowNolock(TRUE);
}

void CReorderForm::EndDrag()
{
    ReleaseCapture();
    m_bDragging = false;
    CImageList::DragLeave(GetDesktopWindow());
    CImageList::EndDrag();
    m_pDragImage.reset();
}

void CReorderForm::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    EndDrag();
    CPoint screen = point;
    ClientToScreen(&screen);
    CWnd* under = WindowFromPoint(screen);
    if (!under || under->m_hWnd != m_List.m_hWnd || m_nTarget == -1)
        return;
    if (m_nTarget != m_nSource) {
        MoveRow(m_nSource, m_nTarget);
    } else {
        m_List.SetItemState(m_nTarget, 0, LVIS_DROPHILITED);
        m_List.RedrawItems(m_nTarget, m_nTarget);
    }
}

void CReorderForm::MoveRow(int source, int target)
{
    const int kept = m_order[static_cast<size_t>(source)];
    const CString keptText = m_List.GetItemText(source, 0);
    const int step = target < source ? -1 : 1;
    for (int k = source; k != target; k += step) {
        m_order[static_cast<size_t>(k)] = m_order[static_cast<size_t>(k + step)];
        m_List.SetItemText(k, 0, m_List.GetItemText(k + step, 0));
    }
    m_order[static_cast<size_t>(target)] = kept;
    m_List.SetItemText(target, 0, keptText);
    m_List.SetItemState(source, 0, LVIS_SELECTED);
    m_List.RedrawItems(std::min(source, target), std::max(source, target));
    m_List.SetItemState(target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED);
    m_List.RedrawItems(target, target);
}

void CReorderForm::OnTimer(UINT_PTR id)
{
    if (id != kScrollTimer)
        return;
    KillTimer(kScrollTimer);
    if (m_bDragging && m_nTarget != -1) {
        CRect row;
        m_List.GetItemRect(0, &row, LVIR_BOUNDS);
        CImageList::DragShowNolock(FALSE);
        const int top = m_List.GetTopIndex();
        const int last = top + m_List.GetCountPerPage() - 1;
        int target = m_nTarget;
        if (m_nDirection == kUp && top > 0 && m_nTarget == top) {
            m_List.Scroll(CSize(0, -row.Height()));
            if (m_nTarget > 0)
                target = m_nTarget - 1;
        } else if (m_nDirection == kDown && last < Rows() - 1 && m_nTarget >= last) {
            m_List.Scroll(CSize(0, row.Height()));
            if (m_nTarget < Rows() - 1)
                target = m_nTarget + 1;
        }
        m_List.SetItemState(m_nTarget, 0, LVIS_DROPHILITED);
        m_nTarget = target;
        m_List.SetItemState(m_nTarget, LVIS_DROPHILITED, LVIS_DROPHILITED);
        m_List.UpdateWindow();
        CImageList::DragShowNolock(TRUE);
        CImageList::DragMove(m_lastPoint);
        if (m_nTarget == Rows() - 1)
            m_List.EnsureVisible(m_nTarget, FALSE);
        if (m_nTarget != 0 && m_nTarget != Rows() - 1) {
            SetTimer(kScrollTimer, kScrollPeriod);
            return;
        }
    }
    m_nDirection = kNone;
    m_bTimer = false;
}

void CReorderForm::OnKeyDownList(UINT, NMHDR*, LRESULT* result)
{
    *result = 0;
    if (!m_bDragging)
        return;
    EndDrag();
    // Nothing moves: the row under the pointer is no target any more.
    if (m_nTarget != -1)
        m_List.SetItemState(m_nTarget, 0, LVIS_DROPHILITED);
}

void CReorderForm::SaveAndExit()
{
    CWaitCursor wait;
    if (!m_rewrite)
        m_rewrite = m_kind.readSlots(m_order.size());
    CParaDaten para;
    if (!m_rewrite || !m_rewrite(m_order) || !para.CommitWorkFile()) {
        messages::Show(m_hWnd, messages::kFormSaveFailed);
        return;
    }
    CSCCmd channel(Run());
    channel.Reset();
    channel.SetFileNotUpToDate();
    channel.Execute();
    platform::EndProcess(0);
}
