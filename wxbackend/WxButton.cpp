// Push buttons, check boxes, radio buttons and group boxes. A click goes to the model, which toggles an automatic
// box or checks an automatic radio button and notifies; the widget then shows the model's state again, so a box the
// program toggles itself (or not at all) shows what the model holds.
#include "wxbackend/WxBackend.h"

#include "platform/CButton.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/statbox.h>

#include <gtk/gtk.h>

#include <algorithm>

namespace wxbackend {

namespace {

enum class Kind { Push, Check, Radio, Group };

Kind KindOf(DWORD style)
{
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return Kind::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Kind::Radio;
    case BS_GROUPBOX: return Kind::Group;
    default: return Kind::Push;
    }
}

class ButtonMirror final : public Mirror {
public:
    ButtonMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd), m_kind(KindOf(Data()->style))
    {
        DWORD style = Data()->style;
        wxRect r = Rect();
        wxString label = ToWx(Data()->text);
        switch (m_kind) {
        case Kind::Group:
            m_widget = new wxStaticBox(parent, wxID_ANY, label, r.GetPosition(), r.GetSize());
            break;
        case Kind::Check: {
            DWORD type = style & BS_TYPEMASK;
            long flags = (type == BS_3STATE || type == BS_AUTO3STATE) ? wxCHK_3STATE | wxCHK_ALLOW_3RD_STATE_FOR_USER
                                                                       : wxCHK_2STATE;
            m_widget = new wxCheckBox(parent, wxID_ANY, label, r.GetPosition(), r.GetSize(),
                                      flags | ((style & BS_LEFTTEXT) ? wxALIGN_RIGHT : 0));
            m_widget->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Clicked(); });
            break;
        }
        case Kind::Radio: {
            // GTK cannot uncheck a radio button by itself: each group starts with a hidden button that is checked
            // when the model checks none of the group.
            std::vector<HWND> group = CButton::RadioGroupOf(hwnd);
            long flags = 0;
            if (group.empty() || group.front() == hwnd) {
                m_none = new wxRadioButton(parent, wxID_ANY, "", wxDefaultPosition, wxSize(0, 0), wxRB_GROUP);
                m_none->Hide();
            } else if (Mirror* first = Backend().Find(group.front())) {
                m_none = static_cast<ButtonMirror*>(first)->m_none;
            } else {
                flags = wxRB_GROUP;
            }
            m_widget = new wxRadioButton(parent, wxID_ANY, label, r.GetPosition(), r.GetSize(), flags);
            m_widget->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { Clicked(); });
            break;
        }
        case Kind::Push:
            m_widget = new wxButton(parent, wxID_ANY, label, r.GetPosition(), r.GetSize());
            if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                static_cast<wxButton*>(m_widget)->SetDefault();
            m_widget->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Clicked(); });
            break;
        }
    }

    wxWindow* Widget() const override { return m_widget; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        if (change == WindowChange::Created || change == WindowChange::Text)
            m_widget->SetLabel(ToWx(Data()->text));
        if (m_kind == Kind::Check || m_kind == Kind::Radio)
            if (change == WindowChange::Created || change == WindowChange::Text || change == WindowChange::Placement)
                KeepMinimumSize();
        if (change == WindowChange::Created || change == WindowChange::Check)
            ShowCheck();
    }

private:
    // A check box or radio button is never given less room than its box and label need (the toolkit cannot lay out
    // a smaller one): a box the template draws too small for its text grows to the right and down.
    void KeepMinimumSize()
    {
        auto* gtk = static_cast<GtkWidget*>(m_widget->GetHandle());
        if (!gtk)
            return;
        GtkRequisition minimum {0, 0};
        gtk_widget_get_preferred_size(gtk, &minimum, nullptr);
        wxRect r = Rect();
        wxSize size(std::max(r.width, minimum.width), std::max(r.height, minimum.height));
        if (m_widget->GetSize() != size)
            m_widget->SetSize(r.x, r.y, size.x, size.y);
    }

    void ShowCheck()
    {
        auto* button = ControlOf<CButton>(Hwnd());
        if (!button)
            return;
        int check = button->GetCheck();
        if (m_kind == Kind::Check) {
            auto* box = static_cast<wxCheckBox*>(m_widget);
            wxCheckBoxState state = check == BST_CHECKED ? wxCHK_CHECKED
                                    : check == BST_INDETERMINATE && box->Is3State() ? wxCHK_UNDETERMINED
                                                                                     : wxCHK_UNCHECKED;
            if (box->Get3StateValue() != state)
                box->Set3StateValue(state);
        } else if (m_kind == Kind::Radio) {
            auto* radio = static_cast<wxRadioButton*>(m_widget);
            if (check == BST_CHECKED)
                radio->SetValue(true);
            else if (radio->GetValue() && m_none)
                m_none->SetValue(true);
        }
    }

    void Clicked()
    {
        if (Backend().Mirroring())
            return;
        Defer([this] {
            platform::UserInput::Click(Wnd());
            // The model decides the state: show it again for this button and its radio group.
            if (Backend().Find(Hwnd()) != this)
                return;
            WxBackend::Guard guard;
            std::vector<HWND> group =
                m_kind == Kind::Radio ? CButton::RadioGroupOf(Hwnd()) : std::vector<HWND> {Hwnd()};
            for (HWND member : group)
                if (Mirror* mirror = Backend().Find(member))
                    mirror->Update(platform::WindowChange::Check);
        });
    }

    Kind m_kind;
    wxControl* m_widget = nullptr;
    wxRadioButton* m_none = nullptr;
};

}  // namespace

std::unique_ptr<Mirror> MakeButton(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<ButtonMirror>(hwnd, parent);
}

}  // namespace wxbackend
