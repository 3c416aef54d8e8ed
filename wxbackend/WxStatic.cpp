// Static texts: alignment, line breaks, word wrap within the template width, and the colour and size change the
// program sets in place of painting hooks. An icon static (SS_ICON) shows the image whose decimal id its text names,
// at the image's own size, as an icon static sizes itself to its icon.
#include "wxbackend/WxBackend.h"

#include "platform/CStatic.h"
#include "platform/ResourceRegistry.h"
#include "wxbackend/WxText.h"

#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <cstdlib>

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

// The image of the id as a bitmap with its transparency; an empty bitmap when the registry has none.
wxBitmap IconPicture(const CString& idText)
{
    const platform::Image* image =
        platform::ResourceRegistry::Instance().GetImage(static_cast<UINT>(std::strtoul(idText.GetString(), nullptr, 10)));
    return image ? PictureOf(image, wxRect(0, 0, image->size.cx, image->size.cy)) : wxBitmap();
}

class IconMirror final : public Mirror {
public:
    IconMirror(HWND hwnd, wxWindow* parent) : Mirror(hwnd)
    {
        m_picture = new wxStaticBitmap(parent, wxID_ANY, wxNullBitmap, Rect().GetPosition());
    }

    wxWindow* Widget() const override { return m_picture; }

    void Update(platform::WindowChange change) override
    {
        using platform::WindowChange;
        Mirror::Update(change);
        if (change == WindowChange::Created || change == WindowChange::Text || change == WindowChange::Placement) {
            wxBitmap picture = IconPicture(Data()->text);
            m_picture->SetBitmap(picture);
            wxSize size = picture.IsOk() ? picture.GetSize() : Rect().GetSize();
            m_picture->SetSize(wxRect(Rect().GetPosition(), size));
        }
    }

private:
    wxStaticBitmap* m_picture;
};

}  // namespace

std::unique_ptr<Mirror> MakeStatic(HWND hwnd, wxWindow* parent)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (data && (data->style & SS_TYPEMASK) == SS_ICON)
        return std::make_unique<IconMirror>(hwnd, parent);
    return std::make_unique<StaticMirror>(hwnd, parent);
}

}  // namespace wxbackend
