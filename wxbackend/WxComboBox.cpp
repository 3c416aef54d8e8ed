// Combo boxes as GTK drop-down lists: the model's items and selection; a person's pick goes to the model, which
// sends the drop-down, selection and close-up notifications.
#include "wxbackend/WxBackend.h"

#include "platform/CComboBox.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/choice.h>

#include <algorithm>

namespace wxbackend {

namespace {

class ComboBoxMirror final : public Mirror {
public:
    ComboBoxMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        // The template's height includes the dropped list; the closed box has the toolkit's own height.
        wxRect r = Rect();
        m_choice = new wxChoice(parent, wxID_ANY, r.GetPosition(), wxSize(r.width, -1));
        m_choice->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) { Picked(event.GetSelection()); });
    }

    wxWindow* Widget() const override { return m_choice; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        if (change == WindowChange::Placement || change == WindowChange::Created)
            Place();
        if (change != WindowChange::Placement)
            Mirror::Update(change == WindowChange::Created ? WindowChange::Visibility : change);
        if (change == WindowChange::Created)
            Mirror::Update(WindowChange::Enabled);
        auto* combo = ControlOf<CComboBox>(Hwnd());
        if (!combo)
            return;
        if (change == WindowChange::Created || change == WindowChange::Items) {
            wxArrayString items;
            for (int i = 0; i < combo->GetCount(); ++i) {
                CString text;
                combo->GetLBText(i, text);
                items.Add(ToWx(text));
            }
            if (items != m_choice->GetStrings()) {
                m_choice->Clear();
                m_choice->Append(items);
                Place();
            }
        }
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection) {
            int selection = combo->GetCurSel();
            if (m_choice->GetSelection() != selection)
                m_choice->SetSelection(selection < 0 ? wxNOT_FOUND : selection);
        }
    }

private:
    // The closed box as high as the toolkit needs it to draw its items whole.
    void Place()
    {
        wxRect r = Rect();
        m_choice->SetSize(r.x, r.y, r.width, std::max(Backend().ComboHeight(), m_choice->GetBestSize().y));
    }

    void Picked(int index)
    {
        if (Backend().Mirroring() || index < 0)
            return;
        Defer([this, index] {
            platform::UserInput::SelectItem(Wnd(), index);
            ShowAgain(platform::WindowChange::Selection);
        });
    }

    wxChoice* m_choice;
};

}  // namespace

std::unique_ptr<Mirror> MakeComboBox(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ComboBoxMirror>(hwnd, parent);
}

}  // namespace wxbackend
