// Form template of the protocol of the drawing evaluation: a title in a group box and the list of the entries,
// which keeps the order of its lines and always shows both scroll bars.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

#include "platform/ResourceRegistry.h"

namespace resources {

void RegisterProtokollTemplate()
{
    using platform::ControlClass;
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_PROTOKOLL,
        WS_CHILD,
        {0, 0, 420, 335},
        "",
        {"MS Sans Serif", 8},
        {
            {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {8, 6, 404, 17}},
            {ControlClass::Static, IDC_TITLE, SS_CENTER, {24, 13, 370, 8}},
            {ControlClass::ListBox, IDC_PROTOKOLL_LIST,
             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_BORDER | WS_VSCROLL | WS_HSCROLL |
                 WS_TABSTOP,
             {40, 45, 340, 260}},
        }});
}

}  // namespace resources
