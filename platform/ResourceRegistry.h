// Resources by id: dialog templates, toolbars, accelerator tables, bitmaps, images and the string table.
//
// The application registers its tables at start-up; tests register their own. Registering an id again
// replaces the earlier entry.
//
// Images are pixels the program draws itself: a toolbar's button images are the image of the toolbar's id, one
// button image after the other from left to right (buttons only, separators have none), each of the toolbar's
// buttonImage size; an SS_ICON static shows the image whose decimal id its text names. An image is made from its
// description on first use, so a run that shows no window never spends time on pixels.
#pragma once

#include "platform/CPoint.h"
#include "platform/DialogTemplate.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace platform {

struct ToolBarResource {
    UINT id = 0;
    CSize buttonImage;           // size of one button's image in pixels
    std::vector<UINT> commands;  // in order; ID_SEPARATOR (0) is a separator
};

// A frame's menu bar: its items in order. A frame loads the menu of its resource id (CFrameWnd::LoadFrame).
struct MenuItem {
    UINT command = 0;
    CString text;
    bool disabled = false;
};

// Pixels row by row from the top left, each 0xAARRGGBB (alpha 0 is transparent).
struct Image {
    CSize size;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * size.cx + x)]; }
};

class ResourceRegistry {
public:
    static ResourceRegistry& Instance();

    void AddDialog(const DialogTemplate& dialogTemplate);
    const DialogTemplate* Dialog(UINT id) const;

    void AddToolBar(const ToolBarResource& toolBar);
    const ToolBarResource* ToolBar(UINT id) const;

    void AddMenu(UINT id, std::vector<MenuItem> items);
    const std::vector<MenuItem>* Menu(UINT id) const;

    void AddAccelerators(UINT id, std::vector<ACCEL> table);
    const std::vector<ACCEL>* Accelerators(UINT id) const;

    void AddBitmap(UINT id, CSize size);
    bool HasBitmap(UINT id) const;
    CSize BitmapSize(UINT id) const;

    // The image is made by draw when it is first asked for.
    void AddImage(UINT id, std::function<Image()> draw);
    bool HasImage(UINT id) const;
    // The image, or null when there is none.
    const Image* GetImage(UINT id) const;

    void AddString(UINT id, const CString& text);
    bool HasString(UINT id) const;
    // The text, or "" when there is none.
    CString String(UINT id) const;

private:
    std::map<UINT, DialogTemplate> m_dialogs;
    std::map<UINT, ToolBarResource> m_toolBars;
    std::map<UINT, std::vector<ACCEL>> m_accelerators;
    std::map<UINT, std::vector<MenuItem>> m_menus;
    std::map<UINT, CSize> m_bitmaps;
    std::map<UINT, CString> m_strings;
    struct LazyImage {
        std::function<Image()> draw;
        mutable bool drawn = false;
        mutable Image image;
    };
    std::map<UINT, LazyImage> m_images;
};

}  // namespace platform
