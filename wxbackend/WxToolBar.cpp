// The frame's toolbar: a column of picture buttons on the left (a button whose toolbar has no picture for it shows its
// command's short text instead). The bar has no tooltips: a pointer resting on a button goes to the model, which shows
// the command's prompt in the status bar's first pane, and a press runs the command when its update handler enables
// it.
#include "wxbackend/WxBackend.h"

#include "platform/CToolBar.h"
#include "platform/ResourceRegistry.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/bmpbuttn.h>

#include <gtk/gtk.h>

#include <vector>

namespace wxbackend {

namespace {

// The label of a command's button: the short text after "\n" in its string, else the prompt.
wxString ButtonLabel(UINT command)
{
    CString text = platform::ResourceRegistry::Instance().String(command);
    int lineEnd = text.Find('\n');
    CString label = lineEnd >= 0 ? text.Mid(lineEnd + 1) : text;
    if (label.IsEmpty())
        label = lineEnd >= 0 ? text.Left(lineEnd) : text;
    if (label.IsEmpty())
        label.Format("%u", command);
    return ToWx(label);
}

class ToolBarMirror final : public Mirror {
public:
    ToolBarMirror(HWND hwnd, Mirror& frame) : Mirror(hwnd)
    {
        m_panel = new wxPanel(BarParent(frame), wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
        m_sizer = new wxBoxSizer(wxVERTICAL);
        m_panel->SetSizer(m_sizer);
        m_panel->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
            event.Skip();
            Hover(-1);
        });
        AttachToolBar(frame, m_panel);
    }

    wxWindow* Widget() const override { return m_panel; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        platform::WindowData* data = Data();
        if (change == WindowChange::Created || change == WindowChange::Visibility)
            m_panel->Show((data->style & WS_VISIBLE) != 0);
        if (change == WindowChange::Created || change == WindowChange::Items)
            Rebuild();
        if (change == WindowChange::Created || change == WindowChange::Items || change == WindowChange::Selection ||
            change == WindowChange::Enabled)
            UpdateStates();
    }

    wxWindow* PartWidget(int part) const override
    {
        return part >= 0 && part < static_cast<int>(m_buttons.size()) ? m_buttons[static_cast<size_t>(part)] : nullptr;
    }

private:
    void Rebuild()
    {
        auto* bar = ControlOf<CToolBar>(Hwnd());
        if (!bar)
            return;
        // Style changes (enabled, checked) arrive as item changes too: only a new button list builds anew.
        std::vector<UINT> layout;
        for (int i = 0; i < bar->GetCount(); ++i)
            layout.push_back((bar->GetButtonStyle(i) & TBBS_SEPARATOR) ? ID_SEPARATOR : bar->GetItemID(i));
        if (layout == m_layout && !m_buttons.empty())
            return;
        m_layout = layout;
        m_sizer->Clear(true);
        m_buttons.assign(bar->GetCount(), nullptr);
        // The button is its image plus the toolbar's fixed padding of 7 x 6 pixels, as the classic toolbar draws it:
        // the bar is as wide as one button, so a form of 420 dialog units fits beside it in the default frame.
        CSize size = bar->GetButtonSize();
        const wxSize buttonSize(static_cast<int>(size.cx), static_cast<int>(size.cy));
        CSize cell(size.cx - 7, size.cy - 6);
        m_sizer->AddSpacer(2);
        for (int i = 0; i < bar->GetCount(); ++i) {
            if ((bar->GetButtonStyle(i) & TBBS_SEPARATOR) || bar->GetItemID(i) == ID_SEPARATOR) {
                m_sizer->AddSpacer(8);
                continue;
            }
            // Its cell of the toolbar's image strip, or none when there is none or the cell is blank.
            wxBitmap picture = RegistryPicture(bar->GetBitmapId(), bar->GetImageIndex(i), cell);
            wxButton* button = nullptr;
            if (picture.IsOk()) {
                button = new wxBitmapButton(m_panel, wxID_ANY, picture, wxDefaultPosition, buttonSize);
            } else {
                button = new wxButton(m_panel, wxID_ANY, ButtonLabel(bar->GetItemID(i)), wxDefaultPosition, buttonSize,
                                      wxBU_EXACTFIT);
            }
            // The theme's padding would make the button wider than its picture and the classic padding.
            gtk_widget_set_name(static_cast<GtkWidget*>(button->GetHandle()), "morv-toolbar-button");
            button->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { Press(i); });
            button->Bind(wxEVT_ENTER_WINDOW, [this, i](wxMouseEvent& event) {
                event.Skip();
                Hover(i);
            });
            m_buttons[i] = button;
            m_sizer->Add(button, 0, wxLEFT | wxRIGHT | wxBOTTOM, 1);
        }
        m_panel->GetParent()->Layout();
    }

    void UpdateStates()
    {
        auto* bar = ControlOf<CToolBar>(Hwnd());
        if (!bar)
            return;
        bool barEnabled = !(Data()->style & WS_DISABLED);
        for (int i = 0; i < static_cast<int>(m_buttons.size()) && i < bar->GetCount(); ++i)
            if (m_buttons[i])
                m_buttons[i]->Enable(barEnabled && bar->IsButtonEnabled(i));
    }

    void Press(int index)
    {
        if (Backend().Mirroring())
            return;
        Defer([this, index] {
            if (auto* bar = ControlOf<CToolBar>(Hwnd()))
                platform::UserInput::PressToolbarButton(*bar, index);
        });
    }

    void Hover(int index)
    {
        if (Backend().Mirroring() || index == m_hovered)
            return;
        m_hovered = index;
        Defer([this, index] {
            if (auto* bar = ControlOf<CToolBar>(Hwnd()))
                platform::UserInput::HoverToolbarButton(*bar, index);
        });
    }

    wxPanel* m_panel;
    wxBoxSizer* m_sizer;
    std::vector<wxButton*> m_buttons;
    std::vector<UINT> m_layout;
    int m_hovered = -1;
};

}  // namespace

std::unique_ptr<Mirror> MakeToolBar(HWND hwnd, Mirror& frame)
{
    return std::make_unique<ToolBarMirror>(hwnd, frame);
}

}  // namespace wxbackend
