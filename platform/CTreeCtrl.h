// CTreeCtrl: a tree of items with texts, images and item data.
//
// Item handles are small numbers that stay valid until the item is deleted, so they survive a round trip through int.
// Notifications: InsertItem, DeleteItem, DeleteAllItems, SetItemText, SetItemImage, SetItemData, Expand, SelectItem
// and SelectSetFirstVisible send none. A user's click on another item sends TVN_SELCHANGING (a non-zero result keeps
// the old selection) and TVN_SELCHANGED with the action TVC_BYMOUSE; a click on the selected item sends nothing.
// A key pressed in the tree sends TVN_KEYDOWN; then Up and Down move the selection to the previous or next visible
// item, Right expands and Left collapses the selected item, each as a user's change (TVC_BYKEYBOARD).
// Items start collapsed.
#pragma once

#include "platform/CWnd.h"

class CImageList;

namespace platform {
class UserInput;
}

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // after: TVI_FIRST, TVI_LAST, TVI_SORT or a child of parent. Null on failure.
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // Deletes the item with all its children; TVI_ROOT deletes every item.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    UINT GetItemState(HTREEITEM item, UINT mask) const;

    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    BOOL ItemHasChildren(HTREEITEM item) const;

    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM item);
    HTREEITEM GetFirstVisibleItem() const;
    // Scrolls so that item is the first visible one; does not select it.
    BOOL SelectSetFirstVisible(HTREEITEM item);
    BOOL EnsureVisible(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT code);

    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(int which) const;

private:
    friend class platform::UserInput;
    bool UserSelect(HTREEITEM item, UINT action);
    bool UserExpand(HTREEITEM item, UINT code);
    bool UserKey(UINT key);
};
