// The pictures of the toolbar buttons, the program icon and the items of trees and lists, drawn from small pixel-art glyphs kept as data here.
#pragma once

#include "platform/ResourceRegistry.h"

#include <vector>

namespace resources {

// One button image of the given size per command, side by side from left to right. A command without a picture
// (the placeholder that becomes a separator) leaves its place empty.
platform::Image DrawToolBarImage(const std::vector<UINT>& commands, CSize buttonSize);

// The program icon, 32 x 32 pixels.
platform::Image DrawProgramIcon();

// The bitmap ids of the item pictures of trees and lists, each picture followed by its selected variant.
std::vector<UINT> ItemImageIds();

// The item picture of a bitmap id, 16 x 16 pixels; blank for an id that is no item picture.
platform::Image DrawItemImage(UINT bitmap);

// Whether every glyph row has the glyph's width (checked by the tests).
bool GlyphsAreWellFormed();

}  // namespace resources
