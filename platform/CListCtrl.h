// CListCtrl: a list view, mostly in report view (rows of cells under column headers).
//
// Notifications: columns, rows, texts, item states (selection, focus, drop highlight), the selection mark, scrolling
// and EnsureVisible changed by code send none. A user's click on a row selects and focuses it, makes it the selection
// mark, and sends LVN_ITEMCHANGED for that row and then NM_CLICK; a double click then sends NM_DBLCLK. Beginning to drag a row sends LVN_BEGINDRAG with the
// row and the point; a key pressed in the list sends LVN_KEYDOWN.
//
// Geometry, for hit tests and scrolling: rows are kRowHeight pixels high below a header of kHeaderHeight pixels (no
// header with LVS_NOCOLUMNHEADER); the client area is the window's rectangle.
//
// Custom draw: QueryCellColors runs the NM_CUSTOMDRAW exchange for one cell (prepaint, item prepaint, subitem
// prepaint), as painting does, and returns the colours the list's owner or a class handling the reflected
// notification chose; the window backend calls it when it draws a cell.
#pragma once

#include "platform/CWnd.h"

class CImageList;

namespace platform {
class UserInput;
}

struct __POSITION;
using POSITION = __POSITION*;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    static constexpr int kRowHeight = 17;
    static constexpr int kHeaderHeight = 20;
    static constexpr COLORREF kDefaultText = 0x000000;
    static constexpr COLORREF kDefaultBack = 0xFFFFFF;

    // Where a person grabs a row to drag it (client coordinates): a little inside its left end, halfway down; for no
    // such row, the point beside the list.
    CPoint RowGrabPoint(int row) const;
    // A point beside the list, over its parent, in the list's client coordinates.
    static CPoint BesidePoint() { return CPoint(-8, kHeaderHeight + 2); }

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Columns.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    CString GetColumnText(int column) const;
    int GetColumnFormat(int column) const;
    int GetColumnWidth(int column) const;
    // LVSCW_AUTOSIZE fits the widest cell; LVSCW_AUTOSIZE_USEHEADER fits the header too, and for the last column
    // takes the rest of the client width.
    BOOL SetColumnWidth(int column, int width);
    BOOL SetColumnOrderArray(int count, const int* order);
    BOOL GetColumnOrderArray(int* order, int count = -1) const;

    // Rows.
    int InsertItem(int row, LPCTSTR text);
    int InsertItem(int row, LPCTSTR text, int image);
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int row, int subItem, LPCTSTR text);
    CString GetItemText(int row, int subItem) const;
    int GetItemText(int row, int subItem, LPTSTR buffer, int length) const;
    int GetItemImage(int row) const;
    BOOL SetItemData(int row, DWORD_PTR data);
    DWORD_PTR GetItemData(int row) const;
    // row -1 applies to every row. LVIS_SELECTED and LVIS_FOCUSED are single in a LVS_SINGLESEL list.
    BOOL SetItemState(int row, UINT state, UINT mask);
    UINT GetItemState(int row, UINT mask) const;
    int GetSelectionMark() const;
    int SetSelectionMark(int row);
    int GetNextItem(int start, int flags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& position) const;

    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(int which) const;

    // Scrolling and geometry.
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL EnsureVisible(int row, BOOL partialOK);
    BOOL Scroll(CSize size);
    BOOL GetItemRect(int row, LPRECT rect, UINT code) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    int HitTest(LVHITTESTINFO* info) const;
    BOOL RedrawItems(int first, int last);
    BOOL Update(int row);
    // A drag image of the row (the caller deletes it), or null for no such row.
    CImageList* CreateDragImage(int row, LPPOINT upperLeft);

    // The colours of one cell as custom draw decides them.
    void QueryCellColors(int row, int subItem, COLORREF& text, COLORREF& back);

private:
    friend class platform::UserInput;
    bool UserClickRow(int row);
    // A double click on a row: the click, then NM_DBLCLK with the row (an NMLISTVIEW, as NMITEMACTIVATE begins).
    bool UserDoubleClickRow(int row);
    bool UserBeginDrag(int row, CPoint point);
    bool UserKey(UINT key);
};
