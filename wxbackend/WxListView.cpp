// List views in report view: a virtual list that reads its cells from the model, with the colours custom draw chooses
// for each cell (the selection's colours for the row a dragged row would drop on) and each row's picture from the
// list's small image list. A person's click on a row goes to the model, and so does a drag of a row: its start, the
// pointer's moves while the list holds the mouse, a key pressed during it (as Escape) and the release. The model computes its
// targets from its own row geometry, so a point over a row of the widget reaches the model as that row's point.
#include "wxbackend/WxBackend.h"

#include "platform/CImageList.h"
#include "platform/CListCtrl.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/settings.h>

#include <vector>

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
        return list ? ToWx(list->GetItemText(static_cast<int>(row), ModelColumn(column))) : wxString();
    }

    // The toolkit's list keeps its columns in the order they were added: the widget's column `shown` shows the model's
    // column that its column order puts there.
    int ModelColumn(long shown) const
    {
        return shown >= 0 && shown < static_cast<long>(m_order.size()) ? m_order[static_cast<size_t>(shown)]
                                                                         : static_cast<int>(shown);
    }

    // Takes the model's column order; whether it changed.
    bool TakeOrder(const CListCtrl& list)
    {
        std::vector<int> order(static_cast<size_t>(list.GetColumnCount()));
        for (size_t c = 0; c < order.size(); ++c)
            order[c] = static_cast<int>(c);
        if (!order.empty())
            list.GetColumnOrderArray(order.data(), static_cast<int>(order.size()));
        if (order == m_order)
            return false;
        m_order = order;
        return true;
    }

    wxItemAttr* OnGetItemColumnAttr(long row, long column) const override
    {
        auto* list = ControlOf<CListCtrl>(m_hwnd);
        if (!list)
            return nullptr;
        // The row a dragged row would drop on shows in the selection's colours, over custom draw's.
        if (list->GetItemState(static_cast<int>(row), LVIS_DROPHILITED) != 0) {
            m_attr.SetTextColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
            m_attr.SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
            return &m_attr;
        }
        COLORREF text = CListCtrl::kDefaultText;
        COLORREF back = CListCtrl::kDefaultBack;
        list->QueryCellColors(static_cast<int>(row), ModelColumn(column), text, back);
        if (text == CListCtrl::kDefaultText && back == CListCtrl::kDefaultBack)
            return nullptr;
        m_attr.SetTextColour(wxColour(GetRValue(text), GetGValue(text), GetBValue(text)));
        m_attr.SetBackgroundColour(wxColour(GetRValue(back), GetGValue(back), GetBValue(back)));
        return &m_attr;
    }

    // GTK's list asks per row only: the colours of the row's first cell.
    wxItemAttr* OnGetItemAttr(long row) const override { return OnGetItemColumnAttr(row, 0); }

    // The row's picture, in the cell of the model's first column wherever the column order puts it.
    int OnGetItemColumnImage(long row, long column) const override
    {
        return ModelColumn(column) == 0 ? RowImage(row) : -1;
    }
    int OnGetItemImage(long row) const override { return OnGetItemColumnImage(row, 0); }

    // The row's picture; none when the image list lacks it.
    int RowImage(long row) const
    {
        auto* list = ControlOf<CListCtrl>(m_hwnd);
        const int image = list ? list->GetItemImage(static_cast<int>(row)) : -1;
        return image >= 0 && image < static_cast<int>(m_images.size()) ? image : -1;
    }

    // Takes the model's small image list when its images changed.
    void ShowImages(const CImageList* images)
    {
        std::vector<ImageSource> sources = ImageSourcesOf(images);
        if (sources == m_images)
            return;
        m_images = sources;
        AssignImageList(MakeImageList(m_images), wxIMAGE_LIST_SMALL);
    }

private:
    HWND m_hwnd;
    std::vector<int> m_order;
    std::vector<ImageSource> m_images;
    mutable wxItemAttr m_attr;
};

wxListColumnFormat Format(int format)
{
    switch (format & 3) {
    case LVCFMT_RIGHT: return wxLIST_FORMAT_RIGHT;
    case LVCFMT_CENTER: return wxLIST_FORMAT_CENTRE;
    default: return wxLIST_FORMAT_LEFT;
    }
}

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
        // The widget holds the mouse from the drag's start; the model learns of the start, each move and the end in
        // the order they came, and a drag the model does not take (it holds no capture then) ends there.
        m_list->Bind(wxEVT_LIST_BEGIN_DRAG, [this](wxListEvent& event) {
            if (Backend().Mirroring() || m_dragging)
                return;
            const int row = static_cast<int>(event.GetIndex());
            m_dragging = true;
            if (!m_list->HasCapture())
                m_list->CaptureMouse();
            Defer([this, row] {
                m_modelDragging = platform::UserInput::BeginDragRow(Wnd(), row, RowPoint(row)) && CWnd::GetCapture();
                if (!m_modelDragging && m_dragging) {
                    m_dragging = false;
                    if (m_list->HasCapture())
                        m_list->ReleaseMouse();
                }
            });
        });
        m_list->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
            event.Skip();
            if (!m_dragging || Backend().Mirroring())
                return;
            CPoint point = ModelPoint(event.GetPosition());
            Defer([this, point] {
                if (m_modelDragging)
                    platform::UserInput::MouseMove(Wnd(), point);
            });
        });
        m_list->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
            event.Skip();
            if (m_dragging)
                EndDrag(ModelPoint(event.GetPosition()), false);
        });
        m_list->Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
            if (m_dragging)
                EndDrag(Beside(), false);
        });
        // Any key ends a drag without a move, so whatever key it was, the list hears Escape, the key that says so
        // plainly, and then the release beside it.
        m_list->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
            if (m_dragging)
                EndDrag(Beside(), true);
            else
                event.Skip();
        });
    }

    ~ListViewMirror() override
    {
        if (m_list->HasCapture())
            m_list->ReleaseMouse();
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
            if (m_list->TakeOrder(*list) || m_list->GetColumnCount() != list->GetColumnCount()) {
                m_list->DeleteAllColumns();
                for (int c = 0; c < list->GetColumnCount(); ++c) {
                    const int column = m_list->ModelColumn(c);
                    m_list->AppendColumn(ToWx(list->GetColumnText(column)), Format(list->GetColumnFormat(column)),
                                         Backend().ScaleX(list->GetColumnWidth(column)));
                }
            } else {
                for (int c = 0; c < list->GetColumnCount(); ++c)
                    m_list->SetColumnWidth(c, Backend().ScaleX(list->GetColumnWidth(m_list->ModelColumn(c))));
            }
            m_list->ShowImages(list->GetImageList(LVSIL_SMALL));
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
    // Beside the list, over its parent.
    static CPoint Beside() { return CListCtrl::BesidePoint(); }

    // The model's point of a row: where its geometry puts the row.
    CPoint RowPoint(int row) const
    {
        auto* list = ControlOf<CListCtrl>(Hwnd());
        return list ? list->RowGrabPoint(row) : Beside();
    }

    // A point of the widget (client coordinates of the list) as the model sees it: the row under it, empty space
    // below the rows, or beside the list.
    CPoint ModelPoint(const wxPoint& point) const
    {
        const wxSize size = m_list->GetClientSize();
        if (point.x < 0 || point.y < 0 || point.x >= size.x || point.y >= size.y)
            return Beside();
        // The rows lie in the largest child, below the header.
        wxWindow* rows = m_list;
        for (wxWindow* child : m_list->GetChildren())
            if (child->GetSize().y > (rows == m_list ? 0 : rows->GetSize().y))
                rows = child;
        int flags = 0;
        const long row = m_list->HitTest(rows->ScreenToClient(m_list->ClientToScreen(point)), flags);
        if (row >= 0)
            return RowPoint(static_cast<int>(row));
        auto* list = ControlOf<CListCtrl>(Hwnd());
        const int count = list ? list->GetItemCount() : 0;
        const int top = list ? list->GetTopIndex() : 0;
        return CPoint(5, CListCtrl::kHeaderHeight + (count - top) * CListCtrl::kRowHeight + 2);
    }

    void EndDrag(CPoint point, bool key)
    {
        m_dragging = false;
        if (m_list->HasCapture())
            m_list->ReleaseMouse();
        Defer([this, point, key] {
            if (!m_modelDragging)
                return;
            m_modelDragging = false;
            HWND self = Hwnd();
            if (key)
                platform::UserInput::PressKey(Wnd(), VK_ESCAPE);
            if (Backend().Find(self) == this)
                platform::UserInput::LButtonUp(Wnd(), point);
        });
    }

    void Clicked(long row)
    {
        if (Backend().Mirroring() || row < 0)
            return;
        Defer([this, row] {
            platform::UserInput::SelectItem(Wnd(), static_cast<int>(row));
            ShowAgain(platform::WindowChange::Selection);
        });
    }

    ModelList* m_list;
    // The widget's drag (it holds the mouse) and the model's (it took the start and holds the capture).
    bool m_dragging = false;
    bool m_modelDragging = false;
};

}  // namespace

std::unique_ptr<Mirror> MakeListView(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ListViewMirror>(hwnd, parent);
}

}  // namespace wxbackend
