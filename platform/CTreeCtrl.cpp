// Tree controls of the window model.
#include "platform/CTreeCtrl.h"

#include <algorithm>
#include <map>
#include <vector>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

using Id = std::uintptr_t;

struct Node {
    CString text;
    int image = 0;
    int selectedImage = 0;
    DWORD_PTR data = 0;
    Id parent = 0;
    std::vector<Id> children;
    bool expanded = false;
};

struct TreeState : platform::ControlState {
    std::map<Id, Node> nodes;
    std::vector<Id> roots;
    Id nextId = 1;
    Id selected = 0;
    Id firstVisible = 0;
    CImageList* imageList = nullptr;

    Node* Find(HTREEITEM item)
    {
        auto it = nodes.find(reinterpret_cast<Id>(item));
        return it == nodes.end() ? nullptr : &it->second;
    }
    std::vector<Id>& ChildrenOf(Id parent) { return parent ? nodes[parent].children : roots; }
    void Erase(Id id)
    {
        for (Id child : std::vector<Id>(nodes[id].children))
            Erase(child);
        if (selected == id)
            selected = 0;
        if (firstVisible == id)
            firstVisible = 0;
        nodes.erase(id);
    }
    // Visible items in display order: roots, and the children of expanded items.
    void Visible(const std::vector<Id>& list, std::vector<Id>& out)
    {
        for (Id id : list) {
            out.push_back(id);
            if (nodes[id].expanded)
                Visible(nodes[id].children, out);
        }
    }
};

HTREEITEM Handle(Id id)
{
    return reinterpret_cast<HTREEITEM>(id);
}

}  // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::TreeView, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<TreeState>());
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return nullptr;
    Id parentId = 0;
    if (parent && parent != TVI_ROOT) {
        if (!state->Find(parent))
            return nullptr;
        parentId = reinterpret_cast<Id>(parent);
    }
    Id id = state->nextId++;
    Node node;
    node.text = text ? text : "";
    node.image = image;
    node.selectedImage = selectedImage;
    node.parent = parentId;
    std::vector<Id>& siblings = state->ChildrenOf(parentId);
    size_t at = siblings.size();
    if (after == TVI_FIRST) {
        at = 0;
    } else if (after == TVI_SORT) {
        at = 0;
        while (at < siblings.size() && state->nodes[siblings[at]].text.CompareNoCase(node.text) <= 0)
            ++at;
    } else if (after && after != TVI_LAST) {
        auto it = std::find(siblings.begin(), siblings.end(), reinterpret_cast<Id>(after));
        if (it != siblings.end())
            at = static_cast<size_t>(it - siblings.begin()) + 1;
    }
    state->nodes[id] = node;
    std::vector<Id>& list = state->ChildrenOf(parentId);  // the map may have grown
    list.insert(list.begin() + static_cast<long>(at), id);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return Handle(id);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(text, 0, 0, parent, after);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item)
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return FALSE;
    if (item == TVI_ROOT)
        return DeleteAllItems();
    Node* node = state->Find(item);
    if (!node)
        return FALSE;
    Id id = reinterpret_cast<Id>(item);
    std::vector<Id>& siblings = state->ChildrenOf(node->parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), id), siblings.end());
    state->Erase(id);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return FALSE;
    state->nodes.clear();
    state->roots.clear();
    state->selected = state->firstVisible = 0;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
    auto* state = StateAs<TreeState>();
    return state ? static_cast<UINT>(state->nodes.size()) : 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    return node ? node->text : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    node->text = text ? text : "";
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    image = node->image;
    selectedImage = node->selectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    node->image = image;
    node->selectedImage = selectedImage;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    return node ? node->data : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    node->data = data;
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return 0;
    UINT result = (node->expanded ? TVIS_EXPANDED : 0) |
                  (state->selected == reinterpret_cast<Id>(item) ? TVIS_SELECTED : 0);
    return result & mask;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    auto* state = StateAs<TreeState>();
    return state && !state->roots.empty() ? Handle(state->roots.front()) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    return node ? Handle(node->parent) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return nullptr;
    if (item == TVI_ROOT || !item)
        return GetRootItem();
    Node* node = state->Find(item);
    return node && !node->children.empty() ? Handle(node->children.front()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return nullptr;
    const std::vector<Id>& siblings = state->ChildrenOf(node->parent);
    auto it = std::find(siblings.begin(), siblings.end(), reinterpret_cast<Id>(item));
    return it != siblings.end() && it + 1 != siblings.end() ? Handle(*(it + 1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return nullptr;
    const std::vector<Id>& siblings = state->ChildrenOf(node->parent);
    auto it = std::find(siblings.begin(), siblings.end(), reinterpret_cast<Id>(item));
    return it != siblings.end() && it != siblings.begin() ? Handle(*(it - 1)) : nullptr;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    return node && !node->children.empty();
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    auto* state = StateAs<TreeState>();
    return state ? Handle(state->selected) : nullptr;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    auto* state = StateAs<TreeState>();
    if (!state || (item && !state->Find(item)))
        return FALSE;
    Id id = reinterpret_cast<Id>(item);
    if (state->selected != id) {
        state->selected = id;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    }
    return TRUE;
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return nullptr;
    return state->firstVisible ? Handle(state->firstVisible) : GetRootItem();
}

BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM item)
{
    auto* state = StateAs<TreeState>();
    if (!state || !state->Find(item))
        return FALSE;
    state->firstVisible = reinterpret_cast<Id>(item);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
    return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    for (Id p = node->parent; p; p = state->nodes[p].parent)
        state->nodes[p].expanded = true;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node)
        return FALSE;
    bool expanded = code == TVE_EXPAND ? true : code == TVE_COLLAPSE ? false : !node->expanded;
    if (expanded != node->expanded) {
        node->expanded = expanded;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    }
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int)
{
    auto* state = StateAs<TreeState>();
    if (!state)
        return nullptr;
    CImageList* old = state->imageList;
    state->imageList = list;
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Items);
    return old;
}

CImageList* CTreeCtrl::GetImageList(int) const
{
    auto* state = StateAs<TreeState>();
    return state ? state->imageList : nullptr;
}

bool CTreeCtrl::UserSelect(HTREEITEM item, UINT action)
{
    auto* state = StateAs<TreeState>();
    if (!state || !state->Find(item))
        return false;
    Id id = reinterpret_cast<Id>(item);
    if (state->selected == id)
        return true;
    HWND hwnd = m_hWnd;
    NMTREEVIEW nm {};
    nm.action = action;
    nm.itemOld.hItem = Handle(state->selected);
    nm.itemOld.lParam = state->selected ? static_cast<LPARAM>(state->nodes[state->selected].data) : 0;
    nm.itemNew.hItem = item;
    nm.itemNew.lParam = static_cast<LPARAM>(state->nodes[id].data);
    nm.itemOld.mask = nm.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
    nm.hdr.code = TVN_SELCHANGING;
    if (platform::SendNotify(hwnd, nm.hdr) != 0)
        return true;
    if (!(state = StateAs<TreeState>()) || !state->Find(item))
        return true;
    state->selected = id;
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Selection);
    nm.hdr.code = TVN_SELCHANGED;
    platform::SendNotify(hwnd, nm.hdr);
    return true;
}

bool CTreeCtrl::UserExpand(HTREEITEM item, UINT code)
{
    auto* state = StateAs<TreeState>();
    Node* node = state ? state->Find(item) : nullptr;
    if (!node || node->children.empty())
        return false;
    HWND hwnd = m_hWnd;
    NMTREEVIEW nm {};
    nm.action = code;
    nm.itemNew.hItem = item;
    nm.itemNew.mask = TVIF_HANDLE;
    nm.hdr.code = TVN_ITEMEXPANDING;
    if (platform::SendNotify(hwnd, nm.hdr) != 0)
        return true;
    Expand(item, code);
    nm.hdr.code = TVN_ITEMEXPANDED;
    platform::SendNotify(hwnd, nm.hdr);
    return true;
}

bool CTreeCtrl::UserKey(UINT key)
{
    HWND hwnd = m_hWnd;
    NMTVKEYDOWN nm {};
    nm.hdr.code = TVN_KEYDOWN;
    nm.wVKey = static_cast<WORD>(key);
    platform::SendNotify(hwnd, nm.hdr);
    auto* state = StateAs<TreeState>();
    if (!state)
        return true;
    std::vector<Id> visible;
    state->Visible(state->roots, visible);
    auto at = std::find(visible.begin(), visible.end(), state->selected);
    HTREEITEM selected = Handle(state->selected);
    if (key == VK_DOWN) {
        if (at == visible.end() && !visible.empty())
            UserSelect(Handle(visible.front()), TVC_BYKEYBOARD);
        else if (at != visible.end() && at + 1 != visible.end())
            UserSelect(Handle(*(at + 1)), TVC_BYKEYBOARD);
    } else if (key == VK_UP) {
        if (at != visible.end() && at != visible.begin())
            UserSelect(Handle(*(at - 1)), TVC_BYKEYBOARD);
    } else if (key == VK_RIGHT && selected) {
        UserExpand(selected, TVE_EXPAND);
    } else if (key == VK_LEFT && selected) {
        UserExpand(selected, TVE_COLLAPSE);
    }
    return true;
}
