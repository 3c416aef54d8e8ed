// Dialog template of the user-defined designations: the list of the 16 designations, the new text below it with the
// Replace button beside it, and OK and Cancel. The texts are set when the dialog starts.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

namespace resources {

using platform::ControlClass;

const platform::DialogTemplate kBezeichnungenTemplate = {
    IDD_BEZEICHNUNGEN,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {0, 0, 235, 230},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_BEZ_LABEL, SS_LEFT | WS_GROUP, {20, 10, 90, 8}},
        // Sorted by style, yet its entries are inserted at their positions: entry n - 1 is designation n.
        {ControlClass::ListBox, IDC_DESIGNATIONS_LIST,
         WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_TABSTOP | WS_GROUP,
         {40, 21, 115, 132}, "", {}, true, WS_EX_LEFTSCROLLBAR},
        {ControlClass::Static, IDC_DESIGNATIONS_CAPTION, SS_LEFT | WS_GROUP, {20, 165, 135, 8}},
        {ControlClass::Edit, IDC_DESIGNATIONS_EDIT,
         WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, {40, 176, 115, 14}},
        {ControlClass::Button, IDC_DESIGNATIONS_REPLACE, BS_PUSHBUTTON | WS_TABSTOP, {165, 176, 50, 14}},
        {ControlClass::Button, IDC_DESIGNATIONS_OK, BS_DEFPUSHBUTTON | WS_TABSTOP, {47, 209, 50, 14}},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {137, 209, 50, 14}},
    }};

}  // namespace resources
