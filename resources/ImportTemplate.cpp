// Form template of the parameter import: the title, the source file with its choose button, the note, the status
// with its progress bar and the button that starts the import. Every text is set when the form first fills itself.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

namespace resources {

using platform::ControlClass;

const platform::DialogTemplate kImportTemplate = {
    IDD_IMPORT,
    WS_CHILD,
    {0, 0, 420, 335},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {7, 6, 404, 17}},
        {ControlClass::Static, IDC_FORM_TITLE, SS_CENTER, {20, 13, 379, 8}},
        {ControlClass::Button, IDC_SOURCE_GROUP, BS_GROUPBOX, {25, 50, 370, 50}},
        // Read-only: the path comes only from the file dialog.
        {ControlClass::Edit, IDC_SOURCE_PATH, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
         {40, 70, 280, 14}},
        {ControlClass::Button, IDC_SOURCE_CHOOSE, BS_PUSHBUTTON | WS_TABSTOP, {330, 70, 55, 14}},
        {ControlClass::Button, IDC_IMPORT_GROUP, BS_GROUPBOX, {25, 115, 370, 155}},
        {ControlClass::Static, IDC_IMPORT_NOTE, SS_CENTER, {32, 130, 355, 27}},
        {ControlClass::Button, IDC_STATUS_GROUP, BS_GROUPBOX, {32, 160, 355, 60}},
        {ControlClass::Static, IDC_STATUS_TEXT, SS_LEFT, {44, 180, 330, 8}},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {44, 193, 330, 14}},
        {ControlClass::Button, IDC_IMPORT_START, BS_PUSHBUTTON | WS_TABSTOP, {159, 230, 100, 25}},
    }};

}  // namespace resources
