// Pictures of the resource registry as bitmaps, and the image lists of trees and lists made from the model's.
#include "wxbackend/WxBackend.h"

#include "platform/CImageList.h"
#include "platform/ResourceRegistry.h"

#include <wx/image.h>
#include <wx/imaglist.h>

#include <cstdint>

namespace wxbackend {

wxBitmap PictureOf(const platform::Image* image, const wxRect& part)
{
    if (!image || part.width <= 0 || part.height <= 0 || part.x < 0 || part.y < 0 ||
        part.GetRight() >= image->size.cx || part.GetBottom() >= image->size.cy)
        return wxBitmap();
    wxImage picture(part.width, part.height);
    picture.InitAlpha();
    bool blank = true;
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
            std::uint32_t argb = image->At(part.x + x, part.y + y);
            picture.SetRGB(x, y, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
            picture.SetAlpha(x, y, static_cast<unsigned char>(argb >> 24));
            blank = blank && (argb >> 24) == 0;
        }
    return blank ? wxBitmap() : wxBitmap(picture);
}

wxBitmap RegistryPicture(UINT bitmap, int part, CSize size)
{
    if (bitmap == 0 || part < 0)
        return wxBitmap();
    return PictureOf(platform::ResourceRegistry::Instance().GetImage(bitmap),
                     wxRect(part * size.cx, 0, size.cx, size.cy));
}

std::vector<ImageSource> ImageSourcesOf(const CImageList* list)
{
    std::vector<ImageSource> sources;
    if (!list || !list->IsCreated())
        return sources;
    for (int i = 0; i < list->GetImageCount(); ++i) {
        ImageSource source;
        source.size = list->GetImageSize();
        list->GetImageSource(i, source.bitmap, source.part);
        sources.push_back(source);
    }
    return sources;
}

wxImageList* MakeImageList(const std::vector<ImageSource>& sources)
{
    if (sources.empty())
        return nullptr;
    const CSize size = sources.front().size;
    auto* images = new wxImageList(size.cx, size.cy, false, static_cast<int>(sources.size()));
    wxImage blank(size.cx, size.cy);
    blank.InitAlpha();
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            blank.SetAlpha(x, y, 0);
    for (const ImageSource& source : sources) {
        const wxBitmap picture = RegistryPicture(source.bitmap, source.part, size);
        images->Add(picture.IsOk() ? picture : wxBitmap(blank));
    }
    return images;
}

}  // namespace wxbackend
