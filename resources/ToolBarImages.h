// The pictures of the toolbar buttons and the program icon, drawn from small pixel-art glyphs kept as data here.
#pragma once

#include "platform/ResourceRegistry.h"

#include <vector>

namespace resources {

// One button image of the given size per command, side by side from left to right. A command without a picture
// (the placeholder that becomes a separator) leaves its place empty.
platform::Image DrawToolBarImage(const std::vector<UINT>& commands, CSize buttonSize);

// The program icon, 32 x 32 pixels.
platform::Image DrawProgramIcon();

// Whether every glyph row has the glyph's width (checked by the tests).
bool GlyphsAreWellFormed();

}  // namespace resources
