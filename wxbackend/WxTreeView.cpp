// Tree views: the model's items with their pictures (an item's image, and its selected image while it is selected, from
// the tree's image list), expanded states and selection. A person's selection and expansion are held back in the widget
// and go to the model, which may refuse a selection (TVN_SELCHANGING); the widget then shows what the model holds.
#include "wxbackend/WxBackend.h"

#include "platform/CImageList.h"
#include "platform/CTreeCtrl.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include <map>
#include <vector>

namespace wxbackend {

namespace {

class TreeViewMirror final : public Mirror {
public:
    TreeViewMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        DWORD style = Data()->style;
        long flags = wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_NO_LINES;
        if (style & TVS_HASBUTTONS)
            flags |= wxTR_HAS_BUTTONS;
        if (style & TVS_LINESATROOT)
            flags |= wxTR_LINES_AT_ROOT;
        wxRect r = Rect();
        m_tree = new wxTreeCtrl(parent, wxID_ANY, r.GetPosition(), r.GetSize(), flags);
        m_tree->Bind(wxEVT_TREE_SEL_CHANGING, [this](wxTreeEvent& event) {
            if (Backend().Mirroring())
                return;
            event.Veto();
            Act(event.GetItem(), 0);
        });
        m_tree->Bind(wxEVT_TREE_ITEM_EXPANDING, [this](wxTreeEvent& event) {
            if (Backend().Mirroring())
                return;
            event.Veto();
            Act(event.GetItem(), TVE_EXPAND);
        });
        m_tree->Bind(wxEVT_TREE_ITEM_COLLAPSING, [this](wxTreeEvent& event) {
            if (Backend().Mirroring())
                return;
            event.Veto();
            Act(event.GetItem(), TVE_COLLAPSE);
        });
    }

    wxWindow* Widget() const override { return m_tree; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        if (change == WindowChange::Created || change == WindowChange::Items)
            Rebuild();
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection)
            ShowStates();
    }

private:
    void Rebuild()
    {
        auto* tree = ControlOf<CTreeCtrl>(Hwnd());
        m_tree->DeleteAllItems();
        m_items.clear();
        std::vector<ImageSource> images = ImageSourcesOf(tree ? tree->GetImageList(TVSIL_NORMAL) : nullptr);
        if (images != m_images) {
            m_images = images;
            m_tree->AssignImageList(MakeImageList(m_images));
        }
        wxTreeItemId root = m_tree->AddRoot("");
        if (tree)
            AddChildren(*tree, TVI_ROOT, root);
    }

    // An image index of the model as the widget's: none when the image list lacks it.
    int Image(int index) const { return index >= 0 && index < static_cast<int>(m_images.size()) ? index : -1; }

    void AddChildren(CTreeCtrl& tree, HTREEITEM parent, wxTreeItemId into)
    {
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
            int image = -1, selected = -1;
            tree.GetItemImage(item, image, selected);
            wxTreeItemId id = m_tree->AppendItem(into, ToWx(tree.GetItemText(item)), Image(image), Image(selected));
            m_items[item] = id;
            AddChildren(tree, item, id);
        }
    }

    void ShowStates()
    {
        auto* tree = ControlOf<CTreeCtrl>(Hwnd());
        if (!tree)
            return;
        for (const auto& [item, id] : m_items) {
            bool expanded = (tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
            if (expanded && m_tree->ItemHasChildren(id) && !m_tree->IsExpanded(id))
                m_tree->Expand(id);
            else if (!expanded && m_tree->IsExpanded(id))
                m_tree->Collapse(id);
        }
        HTREEITEM selected = tree->GetSelectedItem();
        auto it = m_items.find(selected);
        if (it == m_items.end())
            m_tree->UnselectAll();
        else if (m_tree->GetSelection() != it->second)
            m_tree->SelectItem(it->second);
    }

    // expandCode 0 selects the item.
    void Act(const wxTreeItemId& id, UINT expandCode)
    {
        HTREEITEM item = nullptr;
        for (const auto& [modelItem, widgetItem] : m_items)
            if (widgetItem == id)
                item = modelItem;
        if (!item)
            return;
        Defer([this, item, expandCode] {
            HWND self = Hwnd();
            if (expandCode)
                platform::UserInput::ExpandTreeItem(Wnd(), item, expandCode);
            else
                platform::UserInput::SelectTreeItem(Wnd(), item);
            if (Backend().Find(self) == this) {
                WxBackend::Guard guard;
                ShowStates();
            }
        });
    }

    wxTreeCtrl* m_tree;
    std::map<HTREEITEM, wxTreeItemId> m_items;
    std::vector<ImageSource> m_images;
};

}  // namespace

std::unique_ptr<Mirror> MakeTreeView(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<TreeViewMirror>(hwnd, parent);
}

}  // namespace wxbackend
