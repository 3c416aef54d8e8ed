// The picture that follows the pointer while a row is dragged: a small borderless popup showing the model's drag
// image. An image of bitmap 0 is a picture of a row of the list that made it, drawn here as the list shows the row:
// its small image and its first cell's text. The popup lives from the model's begin of the drag to its end, shows
// while the image is entered and shown, and stands with the image's hot spot on the pointer.
#include "wxbackend/WxBackend.h"

#include "platform/CImageList.h"
#include "platform/CListCtrl.h"
#include "wxbackend/WxText.h"

#include <wx/dcbuffer.h>
#include <wx/popupwin.h>
#include <wx/weakref.h>

#include <algorithm>

namespace wxbackend {

namespace {

class DragPopup final : public wxPopupWindow {
public:
    DragPopup(wxWindow* parent, const wxBitmap& picture) : wxPopupWindow(parent, wxBORDER_NONE), m_picture(picture)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetClientSize(picture.GetWidth(), picture.GetHeight());
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxAutoBufferedPaintDC dc(this);
            dc.DrawBitmap(m_picture, 0, 0);
        });
    }

private:
    wxBitmap m_picture;
};

// The popup of the running drag and the drag image it shows.
struct Shown {
    wxWeakRef<DragPopup> popup;
    const CImageList* list = nullptr;
    int image = -1;
};

Shown& Current()
{
    static Shown shown;
    return shown;
}

// One image of a model image list, or an empty bitmap.
wxBitmap ImageOf(const CImageList* list, int index)
{
    UINT bitmap = 0;
    int part = 0;
    if (!list || !list->GetImageSource(index, bitmap, part))
        return wxBitmap();
    return RegistryPicture(bitmap, part, list->GetImageSize());
}

// A row as its list widget shows it: the row's picture, then its first cell's text, on the list's background.
wxBitmap RowPicture(const CListCtrl& list, int row, const wxWindow& widget)
{
    const wxBitmap icon = ImageOf(list.GetImageList(LVSIL_SMALL), list.GetItemImage(row));
    const wxString text = ToWx(list.GetItemText(row, 0));
    wxMemoryDC measure;
    measure.SetFont(widget.GetFont());
    const wxSize extent = measure.GetTextExtent(text);
    const int iconWidth = icon.IsOk() ? icon.GetWidth() + 4 : 0;
    const int height = std::max(icon.IsOk() ? icon.GetHeight() : 0, extent.y) + 4;
    wxBitmap picture(2 + iconWidth + extent.x + 4, height);
    wxMemoryDC dc(picture);
    dc.SetBackground(wxBrush(widget.GetBackgroundColour()));
    dc.Clear();
    if (icon.IsOk())
        dc.DrawBitmap(icon, 2, (height - icon.GetHeight()) / 2, true);
    dc.SetFont(widget.GetFont());
    dc.SetTextForeground(widget.GetForegroundColour());
    dc.DrawText(text, 2 + iconWidth, (height - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return picture;
}

// The widget of the window whose parts the drag image shows, or null.
wxWindow* PictureWidget(const CImageList& list)
{
    Mirror* mirror = WxBackend::Instance().Find(list.GetPictureWindow());
    return mirror ? mirror->Widget() : nullptr;
}

DragPopup* MakePopup(const CImageList::DragState& state)
{
    wxWindow* widget = PictureWidget(*state.list);
    UINT bitmap = 0;
    int part = 0;
    if (!widget || !state.list->GetImageSource(state.image, bitmap, part))
        return nullptr;
    wxBitmap picture;
    if (bitmap != 0)
        picture = ImageOf(state.list, state.image);
    else if (auto* list = ControlOf<CListCtrl>(state.list->GetPictureWindow()); list && part < list->GetItemCount())
        picture = RowPicture(*list, part, *widget);
    if (!picture.IsOk())
        return nullptr;
    return new DragPopup(wxGetTopLevelParent(widget), picture);
}

// Where the image's top left corner goes on the screen. While a person holds the mouse button, the image follows the
// pointer itself: the model knows the row under the pointer, not the pixel. Otherwise the model's point is carried
// from the model's coordinates of the picture window into the widget's.
wxPoint PopupPosition(const CImageList::DragState& state)
{
    const wxPoint hotSpot(state.hotSpot.x, state.hotSpot.y);
    if (wxGetMouseState().LeftIsDown())
        return wxGetMousePosition() - hotSpot;
    HWND hwnd = state.list->GetPictureWindow();
    wxWindow* widget = PictureWidget(*state.list);
    if (!widget)
        return wxDefaultPosition;
    CPoint origin(0, 0);
    CWnd::FromHandle(hwnd)->ClientToScreen(&origin);
    const WxBackend& backend = WxBackend::Instance();
    return widget->ClientToScreen(wxPoint(backend.ScaleX(state.position.x - origin.x),
                                          backend.ScaleY(state.position.y - origin.y))) -
           hotSpot;
}

}  // namespace

void MirrorDragImage()
{
    const CImageList::DragState& state = CImageList::GetDragState();
    Shown& shown = Current();
    if (shown.popup && (shown.list != state.list || shown.image != state.image)) {
        shown.popup->Destroy();
        shown.popup = nullptr;
    }
    shown.list = state.list;
    shown.image = state.image;
    if (!state.list)
        return;
    if (!shown.popup)
        shown.popup = MakePopup(state);
    DragPopup* popup = shown.popup;
    if (!popup)
        return;
    if (!state.entered || !state.shown) {
        popup->Hide();
        return;
    }
    popup->Move(PopupPosition(state));
    if (!popup->IsShown())
        popup->Show();
    popup->Raise();
    popup->Refresh();
}

}  // namespace wxbackend
