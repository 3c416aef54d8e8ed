// Tab controls: only the row of tabs, as the original control draws; the pages' controls are the dialog's own
// siblings, which the program shows and hides. A person's click on a tab goes to the model, which may refuse it.
#include "wxbackend/WxBackend.h"

#include "platform/CTabCtrl.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/notebook.h>

namespace wxbackend {

namespace {

class TabMirror final : public Mirror {
public:
    TabMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        wxRect r = Rect();
        m_tabs = new wxNotebook(parent, wxID_ANY, r.GetPosition(), wxSize(r.width, -1));
        m_tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING, [this](wxBookCtrlEvent& event) {
            if (Backend().Mirroring())
                return;
            event.Veto();
            int index = event.GetSelection();
            Defer([this, index] {
                platform::UserInput::SelectItem(Wnd(), index);
                ShowAgain(platform::WindowChange::Selection);
            });
        });
    }

    wxWindow* Widget() const override { return m_tabs; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        if (change == WindowChange::Created) {
            Mirror::Update(WindowChange::Visibility);
            Mirror::Update(WindowChange::Enabled);
        } else if (change != WindowChange::Placement) {
            Mirror::Update(change);
        }
        auto* tab = ControlOf<CTabCtrl>(Hwnd());
        if (!tab)
            return;
        if (change == WindowChange::Created || change == WindowChange::Items) {
            wxArrayString texts;
            for (int i = 0; i < tab->GetItemCount(); ++i)
                texts.Add(ToWx(tab->GetItemText(i)));
            wxArrayString shown;
            for (size_t i = 0; i < m_tabs->GetPageCount(); ++i)
                shown.Add(m_tabs->GetPageText(i));
            if (texts != shown) {
                m_tabs->DeleteAllPages();
                for (const wxString& text : texts)
                    m_tabs->AddPage(new wxPanel(m_tabs, wxID_ANY, wxDefaultPosition, wxSize(0, 0)), text);
            }
        }
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Placement) {
            // Only the tab row: the area below belongs to the controls of the page.
            wxRect r = Rect();
            m_tabs->SetSize(r.x, r.y, r.width, std::max(m_tabs->GetBestSize().y + 8, 24));
        }
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection) {
            int selection = tab->GetCurSel();
            if (selection >= 0 && selection < static_cast<int>(m_tabs->GetPageCount()) &&
                m_tabs->GetSelection() != selection)
                m_tabs->ChangeSelection(static_cast<size_t>(selection));
        }
    }

private:
    wxNotebook* m_tabs;
};

}  // namespace

std::unique_ptr<Mirror> MakeTab(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<TabMirror>(hwnd, parent);
}

}  // namespace wxbackend
