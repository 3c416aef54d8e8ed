// List views in report view: a virtual list that reads its cells from the model, with the colours custom draw
// chooses for each cell. A person's click on a row goes to the model.
#include "wxbackend/WxBackend.h"

#include "platform/CListCtrl.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/listctrl.h>

namespace wxbackend {

namespace {

class ModelList final : public wxListCtrl {
public:
    ModelList(wxWindow* parent, const wxRect& r, long flags, HWND hwnd)
        : wxListCtrl(parent, wxID_ANY, r.GetPosition(), r.GetSize(), flags), m_hwnd(hwnd)
    {
    }

    wxString OnGetItemText(long row, long column) const override
    {
        auto* list = ControlOf<CListCtrl>(m_hwnd);
        return list ? ToWx(list->GetItemText(static_cast<int>(row), static_cast<int>(column))) : wxString();
    }

    wxItemAttr* OnGetItemColumnAttr(long row, long column) const override
    {
        auto* list = ControlOf<CListCtrl>(m_hwnd);
        if (!list)
            return nullptr;
        COLORREF text = CListCtrl::kDefaultText;
        COLORREF back = CListCtrl::kDefaultBack;
        list->QueryCellColors(static_cast<int>(row), static_cast<int>(column), text, back);
        if (text == CListCtrl::kDefaultText && back == CListCtrl::kDefaultBack)
            return nullptr;
        m_attr.SetTextColour(wxColour(GetRValue(text), GetGValue(text), GetBValue(text)));
        m_attr.SetBackgroundColour(wxColour(GetRValue(back), GetGValue(back), GetBValue(back)));
        return &m_attr;
    }

    // GTK's list asks per row only: the colours of the row's first cell.
    wxItemAttr* OnGetItemAttr(long row) const override { return OnGetItemColumnAttr(row, 0); }

private:
    HWND m_hwnd;
    mutable wxItemAttr m_attr;
};

class ListViewMirror final : public Mirror {
public:
    ListViewMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        DWORD style = Data()->style;
        long flags = wxLC_REPORT | wxLC_VIRTUAL;
        if (style & LVS_SINGLESEL)
            flags |= wxLC_SINGLE_SEL;
        if (style & LVS_NOCOLUMNHEADER)
            flags |= wxLC_NO_HEADER;
        m_list = new ModelList(parent, Rect(), flags, hwnd);
        m_list->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) { Clicked(event.GetIndex()); });
        m_list->Bind(wxEVT_LIST_BEGIN_DRAG, [this](wxListEvent& event) {
            if (Backend().Mirroring())
                return;
            wxPoint p = event.GetPoint();
            platform::UserInput::BeginDragRow(Wnd(), static_cast<int>(event.GetIndex()), CPoint(p.x, p.y));
        });
    }

    wxWindow* Widget() const override { return m_list; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        auto* list = ControlOf<CListCtrl>(Hwnd());
        if (!list)
            return;
        if (change == WindowChange::Created || change == WindowChange::Items) {
            if (m_list->GetColumnCount() != list->GetColumnCount()) {
                m_list->DeleteAllColumns();
                for (int c = 0; c < list->GetColumnCount(); ++c)
                    m_list->AppendColumn(ToWx(list->GetColumnText(c)), wxLIST_FORMAT_LEFT,
                                         Backend().ScaleX(list->GetColumnWidth(c)));
            } else {
                for (int c = 0; c < list->GetColumnCount(); ++c)
                    m_list->SetColumnWidth(c, Backend().ScaleX(list->GetColumnWidth(c)));
            }
            m_list->SetItemCount(list->GetItemCount());
            m_list->Refresh();
        }
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection) {
            for (int row = 0; row < list->GetItemCount(); ++row) {
                bool selected = (list->GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
                if (selected != (m_list->GetItemState(row, wxLIST_STATE_SELECTED) != 0))
                    m_list->SetItemState(row, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
            }
            m_list->Refresh();
        }
    }

private:
    void Clicked(long row)
    {
        if (Backend().Mirroring() || row < 0)
            return;
        HWND self = Hwnd();
        Backend().Later([this, self, row] {
            if (Backend().Find(self) != this)
                return;
            platform::UserInput::SelectItem(Wnd(), static_cast<int>(row));
            if (Backend().Find(self) == this) {
                WxBackend::Guard guard;
                Update(platform::WindowChange::Selection);
            }
        });
    }

    ModelList* m_list;
};

}  // namespace

std::unique_ptr<Mirror> MakeListView(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ListViewMirror>(hwnd, parent);
}

}  // namespace wxbackend
