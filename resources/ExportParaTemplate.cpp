// Form template of the documentation export: source, target, sections with their filters, output format, and the
// run with its status line and progress bar. The captions are set by the form when it first fills itself.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

namespace resources {

using platform::ControlClass;

namespace {
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
}  // namespace

const platform::DialogTemplate kExportParaTemplate = {
    IDD_EXPORT_PARA,
    WS_CHILD,
    {0, 0, 420, 335},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {7, 6, 404, 17}},
        {ControlClass::Static, IDC_EXPORT_TITLE, SS_CENTER | WS_GROUP, {20, 13, 379, 8}},
        {ControlClass::Button, IDC_EXPORT_RUN, BS_PUSHBUTTON | WS_TABSTOP, {222, 302, 100, 16}},
        {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {25, 30, 370, 45}},
        {ControlClass::Button, IDC_EXTERN_ON, kCheck, {35, 40, 280, 10}},
        {ControlClass::Edit, IDC_EXTERN_PATH, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, {35, 53, 280, 14}},
        {ControlClass::Button, IDC_EXTERN_BROWSE, BS_PUSHBUTTON | WS_TABSTOP, {325, 53, 55, 14}},
        {ControlClass::Button, IDC_TARGET_GROUP, BS_GROUPBOX, {25, 85, 370, 40}},
        {ControlClass::Edit, IDC_TARGET_PATH, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, {35, 100, 280, 14}},
        {ControlClass::Button, IDC_TARGET_CHOOSE, BS_PUSHBUTTON | WS_TABSTOP, {325, 100, 55, 14}},
        {ControlClass::Button, IDC_SECTIONS_GROUP, BS_GROUPBOX, {25, 135, 370, 95}},
        {ControlClass::Button, IDC_DOC_EINGAENGE, kCheck | WS_GROUP, {35, 150, 100, 10}},
        {ControlClass::Button, IDC_FILTER_EINGAENGE, kCheck, {48, 160, 155, 10}},
        {ControlClass::Button, IDC_DOC_AUSGAENGE, kCheck, {35, 175, 100, 10}},
        {ControlClass::Button, IDC_FILTER_AUSGAENGE, kCheck, {48, 185, 155, 10}},
        {ControlClass::Button, IDC_DOC_FUNKTIONEN, kCheck, {35, 200, 100, 10}},
        {ControlClass::Button, IDC_FILTER_VARIABLEN, kCheck, {48, 210, 170, 10}},
        {ControlClass::Button, IDC_DOC_MELDUNGEN, kCheck, {220, 150, 100, 10}},
        {ControlClass::Button, IDC_FILTER_MELDUNGEN, kCheck, {233, 160, 155, 10}},
        {ControlClass::Button, IDC_DOC_NETZWERK, kCheck, {220, 175, 100, 10}},
        {ControlClass::Button, IDC_FILTER_NETZWERK, kCheck, {233, 185, 160, 10}},
        {ControlClass::Button, IDC_DOC_CANLOGGING, kCheck, {220, 200, 100, 10}},
        {ControlClass::Button, IDC_DOC_FUNCVIEW, kCheck, {220, 215, 100, 10}},
        {ControlClass::Button, IDC_FORMAT_GROUP, BS_GROUPBOX, {25, 240, 121, 85}},
        {ControlClass::Button, IDC_FORMAT_PLAIN, kRadio | WS_GROUP | WS_TABSTOP, {35, 255, 108, 10}},
        {ControlClass::Button, IDC_FORMAT_COLUMNS, kRadio, {35, 270, 108, 10}},
        {ControlClass::Button, IDC_FORMAT_SEPARATED, kRadio, {35, 285, 108, 10}},
        {ControlClass::Button, IDC_RUN_GROUP, BS_GROUPBOX | BS_CENTER, {150, 240, 245, 85}},
        {ControlClass::Button, IDC_STATE_GROUP, BS_GROUPBOX, {158, 250, 230, 45}},
        {ControlClass::Static, IDC_STATUS_TEXT, SS_LEFT | WS_GROUP, {173, 262, 200, 8}},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {173, 273, 200, 14}},
    }};

}  // namespace resources
