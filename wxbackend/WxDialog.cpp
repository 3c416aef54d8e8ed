// Modal dialogs: transient for their owner (which the model disables), sized from the template in dialog units,
// centred on the owner. Enter and Escape go to the model, which presses the default button or cancels.
#include "wxbackend/WxBackend.h"

#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <gtk/gtk.h>

namespace wxbackend {

namespace {

class DialogMirror final : public Mirror {
public:
    DialogMirror(HWND hwnd, wxWindow* owner) : Mirror(hwnd)
    {
        platform::WindowData* data = Data();
        long style = wxCAPTION | ((data->style & WS_SYSMENU) ? wxCLOSE_BOX | wxSYSTEM_MENU : 0);
        m_dialog = new wxDialog(owner, wxID_ANY, ToWx(data->text), wxDefaultPosition, wxDefaultSize, style);
        m_dialog->SetFont(Backend().DialogFont());
        m_dialog->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            event.Veto();
            Defer([this] { platform::UserInput::CloseWindow(Wnd()); });
        });
        m_dialog->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) { OnKey(event); });
    }

    wxWindow* Widget() const override { return m_dialog; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        platform::WindowData* data = Data();
        if (change == WindowChange::Created || change == WindowChange::Text)
            m_dialog->SetTitle(ToWx(data->text));
        if (change == WindowChange::Created || change == WindowChange::Enabled)
            ShowEnabled();
        if (change == WindowChange::Created || change == WindowChange::Placement)
            m_dialog->SetClientSize(Backend().ScaleX(data->rect.Width()), Backend().ScaleY(data->rect.Height()));
        if (change == WindowChange::Created || change == WindowChange::Visibility) {
            bool visible = (data->style & WS_VISIBLE) != 0;
            if (visible && !m_dialog->IsShown()) {
                if (m_dialog->GetParent())
                    m_dialog->CentreOnParent();
                else
                    m_dialog->CentreOnScreen();
                gtk_window_set_modal(GTK_WINDOW(m_dialog->GetHandle()), TRUE);
                m_dialog->Show();
                m_dialog->Raise();
            } else if (!visible && m_dialog->IsShown()) {
                m_dialog->Hide();
                ActivateOwner(m_dialog->GetParent());
            }
        }
    }

private:
    void OnKey(wxKeyEvent& event)
    {
        int code = event.GetKeyCode();
        bool enter = code == WXK_RETURN || code == WXK_NUMPAD_ENTER;
        if ((!enter && code != WXK_ESCAPE) || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        // The key goes to the focused control: a multi-line edit that wants returns takes Enter itself.
        Mirror* focused = Backend().FindByWidget(wxWindow::FindFocus());
        HWND target = focused ? focused->Hwnd() : Hwnd();
        UINT key = enter ? VK_RETURN : VK_ESCAPE;
        Backend().Later([target, key] {
            if (CWnd* wnd = CWnd::FromHandle(target))
                platform::UserInput::PressKey(*wnd, key);
        });
    }

    wxDialog* m_dialog;
};

}  // namespace

std::unique_ptr<Mirror> MakeDialog(HWND hwnd, wxWindow* owner)
{
    return std::make_unique<DialogMirror>(hwnd, owner);
}

}  // namespace wxbackend
