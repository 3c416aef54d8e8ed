// List views of the window model.
#include "platform/CListCtrl.h"

#include "platform/CImageList.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

constexpr int kCharWidth = 6;
constexpr int kCellPadding = 12;

struct Column {
    CString text;
    int format = LVCFMT_LEFT;
    int width = 0;
};

struct Row {
    std::vector<CString> texts;
    int image = -1;
    UINT state = 0;
    DWORD_PTR data = 0;
};

struct ListState : platform::ControlState {
    std::vector<Column> columns;
    std::vector<int> order;
    std::vector<Row> rows;
    int selectionMark = -1;
    int top = 0;
    DWORD extended = 0;
    CImageList* imageLists[3] = {nullptr, nullptr, nullptr};

    bool Valid(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }
};

}  // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::ListView, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<ListState>());
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int)
{
    auto* state = StateAs<ListState>();
    if (!state || column < 0)
        return -1;
    column = std::min(column, static_cast<int>(state->columns.size()));
    Column c {heading ? heading : "", format, width < 0 ? 0 : width};
    state->columns.insert(state->columns.begin() + column, c);
    for (int& o : state->order)
        if (o >= column)
            ++o;
    state->order.insert(state->order.begin() + column, column);
    // Cell 0 of a row is the row's own text; inserting column 0 of an empty list keeps that.
    if (state->columns.size() > 1)
        for (Row& row : state->rows)
            row.texts.insert(row.texts.begin() + std::min<size_t>(static_cast<size_t>(column), row.texts.size()),
                             CString());
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return column;
}

BOOL CListCtrl::DeleteColumn(int column)
{
    auto* state = StateAs<ListState>();
    if (!state || column < 0 || column >= static_cast<int>(state->columns.size()))
        return FALSE;
    state->columns.erase(state->columns.begin() + column);
    state->order.erase(std::remove(state->order.begin(), state->order.end(), column), state->order.end());
    for (int& o : state->order)
        if (o > column)
            --o;
    for (Row& row : state->rows)
        if (static_cast<size_t>(column) < row.texts.size() && row.texts.size() > 1)
            row.texts.erase(row.texts.begin() + column);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    auto* state = StateAs<ListState>();
    return state ? static_cast<int>(state->columns.size()) : 0;
}

CString CListCtrl::GetColumnText(int column) const
{
    auto* state = StateAs<ListState>();
    return state && column >= 0 && column < static_cast<int>(state->columns.size())
               ? state->columns[static_cast<size_t>(column)].text
               : CString();
}

int CListCtrl::GetColumnFormat(int column) const
{
    auto* state = StateAs<ListState>();
    return state && column >= 0 && column < static_cast<int>(state->columns.size())
               ? state->columns[static_cast<size_t>(column)].format
               : LVCFMT_LEFT;
}

int CListCtrl::GetColumnWidth(int column) const
{
    auto* state = StateAs<ListState>();
    return state && column >= 0 && column < static_cast<int>(state->columns.size())
               ? state->columns[static_cast<size_t>(column)].width
               : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    auto* state = StateAs<ListState>();
    if (!state || column < 0 || column >= static_cast<int>(state->columns.size()))
        return FALSE;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        int widest = 0;
        for (const Row& row : state->rows)
            if (static_cast<size_t>(column) < row.texts.size())
                widest = std::max(widest, row.texts[static_cast<size_t>(column)].GetLength());
        if (width == LVSCW_AUTOSIZE_USEHEADER)
            widest = std::max(widest, state->columns[static_cast<size_t>(column)].text.GetLength());
        width = widest * kCharWidth + kCellPadding;
        if (width == LVSCW_AUTOSIZE_USEHEADER || column == static_cast<int>(state->columns.size()) - 1) {
            CRect client;
            GetClientRect(&client);
            int others = 0;
            for (size_t c = 0; c + 1 < state->columns.size(); ++c)
                others += state->columns[c].width;
            if (column == static_cast<int>(state->columns.size()) - 1)
                width = std::max(width, static_cast<int>(client.Width()) - others);
        }
    }
    state->columns[static_cast<size_t>(column)].width = width;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CListCtrl::SetColumnOrderArray(int count, const int* order)
{
    auto* state = StateAs<ListState>();
    if (!state || !order || count != static_cast<int>(state->columns.size()))
        return FALSE;
    std::vector<int> next(order, order + count);
    std::vector<int> sorted = next;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i)
        if (sorted[static_cast<size_t>(i)] != i)
            return FALSE;
    state->order = next;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CListCtrl::GetColumnOrderArray(int* order, int count) const
{
    auto* state = StateAs<ListState>();
    if (!state || !order)
        return FALSE;
    if (count < 0)
        count = static_cast<int>(state->order.size());
    if (count != static_cast<int>(state->order.size()))
        return FALSE;
    std::copy(state->order.begin(), state->order.end(), order);
    return TRUE;
}

int CListCtrl::InsertItem(int row, LPCTSTR text)
{
    return InsertItem(row, text, -1);
}

int CListCtrl::InsertItem(int row, LPCTSTR text, int image)
{
    auto* state = StateAs<ListState>();
    if (!state || row < 0)
        return -1;
    row = std::min(row, static_cast<int>(state->rows.size()));
    Row r;
    r.texts.assign(std::max<size_t>(1, state->columns.size()), CString());
    r.texts[0] = text ? text : "";
    r.image = image;
    state->rows.insert(state->rows.begin() + row, r);
    if (state->selectionMark >= row)
        ++state->selectionMark;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return row;
}

BOOL CListCtrl::DeleteItem(int row)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return FALSE;
    state->rows.erase(state->rows.begin() + row);
    if (state->selectionMark == row)
        state->selectionMark = -1;
    else if (state->selectionMark > row)
        --state->selectionMark;
    state->top = std::min(state->top, std::max(0, static_cast<int>(state->rows.size()) - 1));
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    auto* state = StateAs<ListState>();
    if (!state)
        return FALSE;
    state->rows.clear();
    state->selectionMark = -1;
    state->top = 0;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    auto* state = StateAs<ListState>();
    return state ? static_cast<int>(state->rows.size()) : 0;
}

BOOL CListCtrl::SetItemText(int row, int subItem, LPCTSTR text)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row) || subItem < 0 ||
        subItem >= std::max(1, static_cast<int>(state->columns.size())))
        return FALSE;
    Row& r = state->rows[static_cast<size_t>(row)];
    if (r.texts.size() <= static_cast<size_t>(subItem))
        r.texts.resize(static_cast<size_t>(subItem) + 1);
    r.texts[static_cast<size_t>(subItem)] = text ? text : "";
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

CString CListCtrl::GetItemText(int row, int subItem) const
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row) || subItem < 0)
        return CString();
    const Row& r = state->rows[static_cast<size_t>(row)];
    return static_cast<size_t>(subItem) < r.texts.size() ? r.texts[static_cast<size_t>(subItem)] : CString();
}

int CListCtrl::GetItemText(int row, int subItem, LPTSTR buffer, int length) const
{
    if (!buffer || length <= 0)
        return 0;
    CString text = GetItemText(row, subItem);
    int n = std::min(text.GetLength(), length - 1);
    std::memcpy(buffer, text.GetString(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

int CListCtrl::GetItemImage(int row) const
{
    auto* state = StateAs<ListState>();
    return state && state->Valid(row) ? state->rows[static_cast<size_t>(row)].image : -1;
}

BOOL CListCtrl::SetItemData(int row, DWORD_PTR data)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return FALSE;
    state->rows[static_cast<size_t>(row)].data = data;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int row) const
{
    auto* state = StateAs<ListState>();
    return state && state->Valid(row) ? state->rows[static_cast<size_t>(row)].data : 0;
}

BOOL CListCtrl::SetItemState(int row, UINT itemState, UINT mask)
{
    auto* state = StateAs<ListState>();
    if (!state || (row != -1 && !state->Valid(row)))
        return FALSE;
    bool single = (GetStyle() & LVS_SINGLESEL) != 0;
    for (int r = 0; r < static_cast<int>(state->rows.size()); ++r) {
        Row& current = state->rows[static_cast<size_t>(r)];
        if (row == -1 || r == row) {
            current.state = (current.state & ~mask) | (itemState & mask);
        } else {
            // Only one row can be focused, and in a single-selection list only one selected.
            if ((mask & itemState & LVIS_FOCUSED))
                current.state &= ~LVIS_FOCUSED;
            if (single && (mask & itemState & LVIS_SELECTED))
                current.state &= ~LVIS_SELECTED;
        }
    }
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return TRUE;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const
{
    auto* state = StateAs<ListState>();
    return state && state->Valid(row) ? state->rows[static_cast<size_t>(row)].state & mask : 0;
}

int CListCtrl::GetSelectionMark() const
{
    auto* state = StateAs<ListState>();
    return state ? state->selectionMark : -1;
}

int CListCtrl::SetSelectionMark(int row)
{
    auto* state = StateAs<ListState>();
    if (!state)
        return -1;
    int old = state->selectionMark;
    state->selectionMark = state->Valid(row) ? row : -1;
    return old;
}

int CListCtrl::GetNextItem(int start, int flags) const
{
    auto* state = StateAs<ListState>();
    if (!state)
        return -1;
    UINT want = ((flags & LVNI_SELECTED) ? LVIS_SELECTED : 0) | ((flags & LVNI_FOCUSED) ? LVIS_FOCUSED : 0);
    for (int r = start + 1; r < static_cast<int>(state->rows.size()); ++r)
        if ((state->rows[static_cast<size_t>(r)].state & want) == want)
            return r;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    auto* state = StateAs<ListState>();
    if (!state)
        return 0;
    return static_cast<UINT>(std::count_if(state->rows.begin(), state->rows.end(),
                                           [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; }));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int row = GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(row) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const
{
    int row = static_cast<int>(reinterpret_cast<std::uintptr_t>(position)) - 1;
    int next = GetNextItem(row, LVNI_SELECTED);
    position = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(next) + 1);
    return row;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    auto* state = StateAs<ListState>();
    if (!state)
        return 0;
    DWORD old = state->extended;
    state->extended = style;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    return old;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    auto* state = StateAs<ListState>();
    return state ? state->extended : 0;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int which)
{
    auto* state = StateAs<ListState>();
    if (!state || which < 0 || which > 2)
        return nullptr;
    CImageList* old = state->imageLists[which];
    state->imageLists[which] = list;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return old;
}

CImageList* CListCtrl::GetImageList(int which) const
{
    auto* state = StateAs<ListState>();
    return state && which >= 0 && which <= 2 ? state->imageLists[which] : nullptr;
}

int CListCtrl::GetTopIndex() const
{
    auto* state = StateAs<ListState>();
    return state ? state->top : 0;
}

int CListCtrl::GetCountPerPage() const
{
    CRect client;
    GetClientRect(&client);
    int header = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight;
    return std::max(0, static_cast<int>(client.Height()) - header) / kRowHeight;
}

BOOL CListCtrl::EnsureVisible(int row, BOOL)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return FALSE;
    int page = std::max(1, GetCountPerPage());
    int top = state->top;
    if (row < top)
        top = row;
    else if (row >= top + page)
        top = row - page + 1;
    if (top != state->top) {
        state->top = top;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    }
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size)
{
    auto* state = StateAs<ListState>();
    if (!state)
        return FALSE;
    int rows = size.cy / kRowHeight;
    int maxTop = std::max(0, static_cast<int>(state->rows.size()) - std::max(1, GetCountPerPage()));
    int top = std::clamp(state->top + rows, 0, maxTop);
    if (top != state->top) {
        state->top = top;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    }
    return TRUE;
}

BOOL CListCtrl::GetItemRect(int row, LPRECT rect, UINT) const
{
    auto* state = StateAs<ListState>();
    if (!state || !rect || !state->Valid(row))
        return FALSE;
    int header = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight;
    int width = 0;
    for (const Column& c : state->columns)
        width += c.width;
    int y = header + (row - state->top) * kRowHeight;
    *rect = CRect(0, y, width, y + kRowHeight);
    return TRUE;
}

CPoint CListCtrl::RowGrabPoint(int row) const
{
    CRect rect;
    if (!GetItemRect(row, &rect, LVIR_BOUNDS))
        return BesidePoint();
    return CPoint(rect.left + 5, rect.top + kRowHeight / 2);
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info {};
    info.pt = point;
    int row = HitTest(&info);
    if (flags)
        *flags = info.flags;
    return row;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const
{
    auto* state = StateAs<ListState>();
    if (!state || !info)
        return -1;
    info->iItem = -1;
    info->iSubItem = 0;
    info->flags = LVHT_NOWHERE;
    CRect client;
    GetClientRect(&client);
    int header = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight;
    if (!client.PtInRect(info->pt) || info->pt.y < header)
        return -1;
    int row = state->top + (info->pt.y - header) / kRowHeight;
    int width = 0;
    for (const Column& c : state->columns)
        width += c.width;
    if (!state->Valid(row) || info->pt.x >= width)
        return -1;
    info->iItem = row;
    info->flags = LVHT_ONITEMLABEL;
    return row;
}

BOOL CListCtrl::RedrawItems(int, int)
{
    Invalidate();
    return TRUE;
}

BOOL CListCtrl::Update(int)
{
    Invalidate();
    return TRUE;
}

CImageList* CListCtrl::CreateDragImage(int row, LPPOINT upperLeft)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return nullptr;
    CRect rect;
    GetItemRect(row, &rect, LVIR_BOUNDS);
    if (upperLeft)
        *upperLeft = rect.TopLeft();
    auto* image = new CImageList;
    image->Create(std::max(1, static_cast<int>(rect.Width())), kRowHeight, ILC_COLOR, 1, 0);
    // The drag image stands for the row as drawn: one image that no bitmap resource holds.
    image->AddImage(0, row);
    image->SetPictureWindow(m_hWnd);
    return image;
}

void CListCtrl::QueryCellColors(int row, int subItem, COLORREF& text, COLORREF& back)
{
    text = kDefaultText;
    back = kDefaultBack;
    HWND hwnd = m_hWnd;
    NMLVCUSTOMDRAW cd {};
    cd.nmcd.hdr.code = NM_CUSTOMDRAW;
    cd.nmcd.dwDrawStage = CDDS_PREPAINT;
    cd.clrText = text;
    cd.clrTextBk = back;
    LRESULT answer = platform::SendNotify(hwnd, cd.nmcd.hdr);
    if (!(answer & CDRF_NOTIFYITEMDRAW))
        return;
    cd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    answer = platform::SendNotify(hwnd, cd.nmcd.hdr);
    text = cd.clrText;
    back = cd.clrTextBk;
    if (!(answer & CDRF_NOTIFYSUBITEMDRAW))
        return;
    cd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    cd.iSubItem = subItem;
    platform::SendNotify(hwnd, cd.nmcd.hdr);
    text = cd.clrText;
    back = cd.clrTextBk;
}

bool CListCtrl::UserClickRow(int row)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return false;
    HWND hwnd = m_hWnd;
    UINT old = state->rows[static_cast<size_t>(row)].state;
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetSelectionMark(row);
    NMLISTVIEW nm {};
    nm.hdr.code = LVN_ITEMCHANGED;
    nm.iItem = row;
    nm.uOldState = old;
    nm.uNewState = old | LVIS_SELECTED | LVIS_FOCUSED;
    nm.uChanged = 0x0008;  // LVIF_STATE
    platform::SendNotify(hwnd, nm.hdr);
    NMHDR click {};
    click.code = NM_CLICK;
    platform::SendNotify(hwnd, click);
    return true;
}

bool CListCtrl::UserDoubleClickRow(int row)
{
    HWND hwnd = m_hWnd;
    if (!UserClickRow(row) || !platform::FindWindowData(hwnd))
        return false;
    NMLISTVIEW nm {};
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = row;
    platform::SendNotify(hwnd, nm.hdr);
    return true;
}

bool CListCtrl::UserBeginDrag(int row, CPoint point)
{
    auto* state = StateAs<ListState>();
    if (!state || !state->Valid(row))
        return false;
    NMLISTVIEW nm {};
    nm.hdr.code = LVN_BEGINDRAG;
    nm.iItem = row;
    nm.ptAction = point;
    platform::SendNotify(m_hWnd, nm.hdr);
    return true;
}

bool CListCtrl::UserKey(UINT key)
{
    NMLVKEYDOWN nm {};
    nm.hdr.code = LVN_KEYDOWN;
    nm.wVKey = static_cast<WORD>(key);
    platform::SendNotify(m_hWnd, nm.hdr);
    return true;
}
