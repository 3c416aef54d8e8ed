// List boxes: the model's items and selection, scrolled so that the selection shows; a person's click and double
// click go to the model.
#include "wxbackend/WxBackend.h"

#include "platform/CListBox.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/listbox.h>

namespace wxbackend {

namespace {

class ListBoxMirror final : public Mirror {
public:
    ListBoxMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        DWORD style = Data()->style;
        long flags = wxLB_SINGLE;
        if (style & WS_HSCROLL)
            flags |= wxLB_HSCROLL;
        if (style & LBS_DISABLENOSCROLL)
            flags |= wxLB_ALWAYS_SB;
        wxRect r = Rect();
        m_list = new wxListBox(parent, wxID_ANY, r.GetPosition(), r.GetSize(), 0, nullptr, flags);
        m_list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) { Picked(event.GetSelection(), false); });
        m_list->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& event) { Picked(event.GetSelection(), true); });
        // The toolkit selects the list's first row by itself when the list gets the focus; the program's list has
        // no selection until the person or the program makes one, so the widget shows the model's again.
        m_list->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
            event.Skip();
            HWND self = Hwnd();
            m_list->CallAfter([this, self] {
                if (Backend().Find(self) == this)
                    ShowAgain(platform::WindowChange::Selection);
            });
        });
    }

    wxWindow* Widget() const override { return m_list; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        auto* list = ControlOf<CListBox>(Hwnd());
        if (!list)
            return;
        if (change == WindowChange::Created || change == WindowChange::Items) {
            wxArrayString items;
            for (int i = 0; i < list->GetCount(); ++i) {
                CString text;
                list->GetText(i, text);
                items.Add(ToWx(text));
            }
            if (items != m_list->GetStrings())
                m_list->Set(items);
        }
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection) {
            int selection = list->GetCurSel();
            if (selection < 0) {
                if (m_list->GetSelection() != wxNOT_FOUND)
                    m_list->DeselectAll();
            } else {
                if (m_list->GetSelection() != selection)
                    m_list->SetSelection(selection);
                m_list->EnsureVisible(selection);
            }
        }
    }

private:
    void Picked(int index, bool twice)
    {
        if (Backend().Mirroring() || index < 0)
            return;
        Defer([this, index, twice] {
            if (twice)
                platform::UserInput::DoubleClickItem(Wnd(), index);
            else
                platform::UserInput::SelectItem(Wnd(), index);
            ShowAgain(platform::WindowChange::Selection);
        });
    }

    wxListBox* m_list;
};

}  // namespace

std::unique_ptr<Mirror> MakeListBox(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ListBoxMirror>(hwnd, parent);
}

}  // namespace wxbackend
