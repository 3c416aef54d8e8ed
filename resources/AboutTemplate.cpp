// Dialog template of the about box: the program icon, two text lines and OK. The caption and the lines are set when
// the box starts.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/UiTexts.h"

#include "platform/ResourceRegistry.h"

namespace resources {

void RegisterAboutTemplate()
{
    using platform::ControlClass;
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_ABOUTBOX,
        DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        {0, 0, 217, 55},
        "",
        {"MS Sans Serif", 8},
        {
            // An icon static shows the image whose id its text names.
            {ControlClass::Static, IDC_STATIC_ITEM, SS_ICON, {11, 17, 20, 20}, "128"},
            {ControlClass::Static, IDC_ABOUT_VERSION, SS_LEFT | SS_NOPREFIX, {40, 10, 119, 8}},
            {ControlClass::Static, IDC_ABOUT_CONTROLLER, SS_LEFT, {40, 25, 119, 8}},
            {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {178, 7, 32, 14}, ui::kAboutOk},
        }});
}

}  // namespace resources
