// Dialog template of the transfer to the drawing tool: a label, a status text beside it and a progress bar below.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

namespace resources {

using platform::ControlClass;

const platform::DialogTemplate kDatentransferTemplate = {
    IDD_DATENTRANSFER,
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION,
    {0, 0, 186, 46},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_TRANSFER_LABEL, SS_LEFT, {7, 7, 30, 8}},
        {ControlClass::Static, IDC_STATUS_TEXT, SS_LEFT, {40, 7, 139, 8}},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {7, 22, 172, 12}},
    }};

}  // namespace resources
