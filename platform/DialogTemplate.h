// Dialog templates as data: a dialog's id, style, size, caption and font, and each control's class, id, style,
// rectangle in dialog units, text and list items.
//
// Templates are C++ tables, for example
//
//     const platform::DialogTemplate kExample = {
//         IDD_EXAMPLE, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, {0, 0, 235, 230},
//         "Example", {"MS Sans Serif", 8},
//         {
//             {platform::ControlClass::Static, IDC_EXAMPLE_LABEL, SS_LEFT | WS_GROUP, {20, 10, 90, 8}, "Name:"},
//             {platform::ControlClass::ComboBox, IDC_EXAMPLE_DIGIT, CBS_DROPDOWNLIST | WS_TABSTOP, {40, 21, 30, 80}, "",
//              {"", "1", "2"}},
//         }};
//
// and are registered with platform::ResourceRegistry. Controls get WS_CHILD and, unless `visible` is false,
// WS_VISIBLE; list items of a combo box, list box or tab control are inserted in order (a sorted box sorts them).
#pragma once

#include "platform/CRect.h"
#include "platform/CString.h"
#include "platform/WindowTypes.h"

#include <vector>

class CWnd;

namespace platform {

enum class ControlClass { Button, Static, Edit, ComboBox, ListBox, TreeView, ListView, Tab, Progress };

// x, y, width, height in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct ControlTemplate {
    ControlTemplate(ControlClass cls_, UINT id_, DWORD style_, DialogRect rect_, CString text_ = CString(),
                    std::vector<CString> items_ = {}, bool visible_ = true, DWORD exStyle_ = 0)
        : cls(cls_), id(id_), style(style_), rect(rect_), text(std::move(text_)), items(std::move(items_)),
          visible(visible_), exStyle(exStyle_)
    {
    }

    ControlClass cls = ControlClass::Static;
    UINT id = 0;
    DWORD style = 0;
    DialogRect rect;
    CString text;
    std::vector<CString> items;
    bool visible = true;
    DWORD exStyle = 0;
};

struct DialogFont {
    CString face = "MS Sans Serif";
    int points = 8;
};

struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DialogRect rect;
    CString caption;
    DialogFont font;
    std::vector<ControlTemplate> controls;
};

// Dialog units to pixels with the base units of the 8-point template font (4 horizontal units are one average
// character width, 8 vertical units one character height).
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;
CRect DialogUnitsToPixels(const DialogRect& rect);

// Creates the template's controls as children of parent, each with its id, style, rectangle, text and items.
// Returns false when a control could not be created.
bool CreateTemplateControls(CWnd* parent, const DialogTemplate& dialogTemplate);

}  // namespace platform
