// Static texts: alignment, line breaks, word wrap within the template width, and the colour and size change the
// program sets in place of painting hooks.
#include "wxbackend/WxBackend.h"

#include "platform/CStatic.h"
#include "wxbackend/WxText.h"

#include <wx/stattext.h>

namespace wxbackend {

namespace {

// SS_NOPREFIX: "&" is shown, not taken as a mnemonic.
constexpr DWORD kNoPrefix = 0x0080;

class StaticMirror final : public Mirror {
public:
    StaticMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        DWORD type = Data()->style & SS_TYPEMASK;
        long align = type == SS_CENTER ? wxALIGN_CENTRE_HORIZONTAL : type == SS_RIGHT ? wxALIGN_RIGHT : wxALIGN_LEFT;
        wxRect r = Rect();
        m_text = new wxStaticText(parent, wxID_ANY, "", r.GetPosition(), r.GetSize(), align | wxST_NO_AUTORESIZE);
    }

    wxWindow* Widget() const override { return m_text; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        if (change == WindowChange::Created || change == WindowChange::Style || change == WindowChange::Repaint) {
            auto* control = ControlOf<CStatic>(Hwnd());
            COLORREF color = 0;
            if (control && control->GetTextColor(color))
                m_text->SetForegroundColour(wxColour(GetRValue(color), GetGValue(color), GetBValue(color)));
            else
                m_text->SetForegroundColour(wxNullColour);
            wxFont font = Backend().DialogFont();
            if (control && control->GetFontSizeDelta() != 0)
                font.SetPointSize(std::max(4, font.GetPointSize() + control->GetFontSizeDelta()));
            m_text->SetFont(font);
        }
        if (change == WindowChange::Created || change == WindowChange::Text || change == WindowChange::Style ||
            change == WindowChange::Placement) {
            DWORD style = Data()->style;
            wxString text = ToWxLines(Data()->text);
            if (style & kNoPrefix)
                m_text->SetLabelText(text);
            else
                m_text->SetLabel(text);
            if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP)
                m_text->Wrap(Rect().GetWidth());
        }
    }

private:
    wxStaticText* m_text;
};

}  // namespace

std::unique_ptr<Mirror> MakeStatic(HWND hwnd, wxWindow* parent)
{
    return std::make_unique<StaticMirror>(hwnd, parent);
}

}  // namespace wxbackend
