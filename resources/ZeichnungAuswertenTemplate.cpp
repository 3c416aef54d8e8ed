// Dialog template of the drawing evaluation: an introduction, a status group with its line and a progress bar. It
// has no system menu and so no close box; the texts are set when the dialog starts.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

namespace resources {

using platform::ControlClass;

const platform::DialogTemplate kZeichnungAuswertenTemplate = {
    IDD_ZEICHNUNG_AUSWERTEN,
    DS_MODALFRAME | DS_SYSMODAL | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION,
    {0, 0, 250, 114},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_EVAL_INTRO, SS_LEFT, {25, 15, 200, 16}},
        {ControlClass::Button, IDC_EVAL_GROUP, BS_GROUPBOX, {25, 35, 200, 60}},
        {ControlClass::Static, IDC_STATUS_TEXT, SS_LEFT, {37, 50, 175, 18}},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {37, 71, 175, 15}},
    }};

}  // namespace resources
