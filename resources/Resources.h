// Registration of the program's resources (dialog templates, toolbars, accelerators, bitmaps, strings) with the
// platform's resource registry; the start-up calls RegisterResources once before it creates any window.
#pragma once

namespace resources {

void RegisterResources();

}  // namespace resources
