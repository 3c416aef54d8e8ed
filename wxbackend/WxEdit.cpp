// Edit fields. The model holds the text: a typed character, a paste, a cut or a deletion goes to the model as the
// person's input (which applies the limit, ES_NUMBER and read-only, and notifies), and the widget then shows the
// model's text and selection. A character that Windows-1252 cannot hold is refused with a bell.
#include "wxbackend/WxBackend.h"

#include "platform/CEdit.h"
#include "platform/UserInput.h"
#include "wxbackend/WxText.h"

#include <wx/clipbrd.h>

namespace wxbackend {

namespace {

class EditMirror final : public Mirror {
public:
    EditMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        DWORD style = Data()->style;
        m_multiLine = (style & ES_MULTILINE) != 0;
        long flags = wxTE_NOHIDESEL;
        if (m_multiLine)
            flags |= wxTE_MULTILINE | wxTE_DONTWRAP;
        if (style & ES_PASSWORD)
            flags |= wxTE_PASSWORD;
        if (style & ES_CENTER)
            flags |= wxTE_CENTRE;
        else if (style & ES_RIGHT)
            flags |= wxTE_RIGHT;
        wxRect r = Rect();
        m_text = new wxTextCtrl(parent, wxID_ANY, "", r.GetPosition(), r.GetSize(), flags);
        m_text->Bind(wxEVT_CHAR, [this](wxKeyEvent& event) { OnChar(event); });
        m_text->Bind(wxEVT_TEXT_PASTE, [this](wxClipboardTextEvent&) { OnPaste(); });
        m_text->Bind(wxEVT_TEXT_CUT, [this](wxClipboardTextEvent&) { OnCut(); });
        m_text->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnChangedElsewhere(); });
    }

    wxWindow* Widget() const override { return m_text; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        platform::WindowData* data = Data();
        if (change == WindowChange::Created || change == WindowChange::Style)
            m_text->SetEditable(!(data->style & ES_READONLY));
        if (change == WindowChange::Created || change == WindowChange::Text) {
            wxString shown = m_multiLine ? ToWxLines(data->text) : ToWx(data->text);
            if (m_text->GetValue() != shown)
                m_text->ChangeValue(shown);
        }
        if (change == WindowChange::Created || change == WindowChange::Text || change == WindowChange::Selection)
            ShowSelection();
    }

private:
    CString ModelText() const { return Data()->text; }

    void ShowSelection()
    {
        auto* edit = ControlOf<CEdit>(Hwnd());
        if (!edit)
            return;
        int start = 0;
        int end = 0;
        edit->GetSel(start, end);
        CString text = ModelText();
        long from = ToWxPosition(text, start);
        long to = ToWxPosition(text, end);
        long currentFrom = 0;
        long currentTo = 0;
        m_text->GetSelection(&currentFrom, &currentTo);
        if (currentFrom != from || currentTo != to)
            m_text->SetSelection(from, to);
    }

    // The model learns where the person's caret and selection are before it takes their input.
    void TakeSelection()
    {
        long from = 0;
        long to = 0;
        m_text->GetSelection(&from, &to);
        CString text = ModelText();
        platform::UserInput::SelectText(Wnd(), FromWxPosition(text, from), FromWxPosition(text, to));
    }

    // After the person's input: the widget shows exactly what the model made of it.
    void ShowModel() { ShowAgain(platform::WindowChange::Text); }

    void OnChar(wxKeyEvent& event)
    {
        if (Backend().Mirroring())
            return;
        int code = event.GetKeyCode();
        wxChar ch = event.GetUnicodeKey();
        UINT key = 0;
        if (code == WXK_BACK)
            key = VK_BACK;
        else if (code == WXK_DELETE || code == WXK_NUMPAD_DELETE)
            key = VK_DELETE;
        else if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER)
            key = VK_RETURN;
        else if (code == WXK_ESCAPE)
            key = VK_ESCAPE;
        if (key != 0 && !event.HasAnyModifiers()) {
            Defer([this, key] {
                TakeSelection();
                platform::UserInput::PressKey(Wnd(), key);
                ShowModel();
            });
            return;
        }
        // Movement, Tab and shortcuts (select all, copy; paste and cut arrive as their own events) stay the
        // toolkit's.
        bool shortcut = event.ControlDown() || (event.AltDown() && ch < 128);
        if (ch == WXK_NONE || ch < 32 || ch == 127 || shortcut) {
            event.Skip();
            return;
        }
        CString typed;
        if (!FromWx(wxString(ch), typed)) {
            wxBell();
            return;
        }
        Defer([this, typed] {
            TakeSelection();
            platform::UserInput::TypeText(Wnd(), typed);
            ShowModel();
        });
    }

    void OnPaste()
    {
        if (Backend().Mirroring())
            return;
        wxString pasted;
        if (wxTheClipboard->Open()) {
            wxTextDataObject data;
            if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
                pasted = data.GetText();
            wxTheClipboard->Close();
        }
        CString text;
        if (pasted.empty() || !FromWx(pasted, text)) {
            wxBell();
            return;
        }
        text.Replace("\r\n", "\n");
        text.Replace("\n", "\r\n");
        Defer([this, text] {
            TakeSelection();
            platform::UserInput::Paste(Wnd(), text);
            ShowModel();
        });
    }

    void OnCut()
    {
        if (Backend().Mirroring())
            return;
        wxString selected = m_text->GetStringSelection();
        if (selected.empty() || !m_text->IsEditable())
            return;
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject(selected));
            wxTheClipboard->Close();
        }
        // The selection is taken now: it is what the person cut.
        long from = 0;
        long to = 0;
        m_text->GetSelection(&from, &to);
        Defer([this, from, to] {
            CString text = ModelText();
            platform::UserInput::SelectText(Wnd(), FromWxPosition(text, from), FromWxPosition(text, to));
            platform::UserInput::PressKey(Wnd(), VK_DELETE);
            ShowModel();
        });
    }

    // Text that reached the widget by another way (an input method, a middle-button paste, dragging text): the
    // difference goes to the model as a paste over the replaced range, and the widget shows the model's text.
    void OnChangedElsewhere()
    {
        if (Backend().Mirroring())
            return;
        CString model = ModelText();
        wxString before = m_multiLine ? ToWxLines(model) : ToWx(model);
        wxString after = m_text->GetValue();
        if (before == after)
            return;
        size_t prefix = 0;
        while (prefix < before.length() && prefix < after.length() && before[prefix] == after[prefix])
            ++prefix;
        size_t suffix = 0;
        while (suffix < before.length() - prefix && suffix < after.length() - prefix &&
               before[before.length() - 1 - suffix] == after[after.length() - 1 - suffix])
            ++suffix;
        wxString inserted = after.substr(prefix, after.length() - prefix - suffix);
        int from = FromWxPosition(model, static_cast<long>(prefix));
        int to = FromWxPosition(model, static_cast<long>(before.length() - suffix));
        CString text;
        bool representable = FromWx(inserted, text);
        if (!representable)
            wxBell();
        text.Replace("\n", "\r\n");
        Defer([this, from, to, text, representable] {
            if (representable) {
                platform::UserInput::SelectText(Wnd(), from, to);
                if (text.IsEmpty())
                    platform::UserInput::PressKey(Wnd(), VK_DELETE);
                else
                    platform::UserInput::Paste(Wnd(), text);
            }
            ShowModel();
        });
    }

    wxTextCtrl* m_text;
    bool m_multiLine = false;
};

}  // namespace

std::unique_ptr<Mirror> MakeEdit(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<EditMirror>(hwnd, parent);
}

}  // namespace wxbackend
