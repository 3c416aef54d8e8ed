// Form templates of the list editors: the function overview, the CAN data logging, and the function and message
// order. Captions the forms set at run time are empty here.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/UiTexts.h"

namespace resources {

namespace {

using platform::ControlClass;
constexpr DWORD kTreeStyle =
    TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// The order forms differ only in their ids.
platform::DialogTemplate OrderTemplate(UINT id, UINT groupId, UINT listId)
{
    return {id,
            WS_CHILD,
            {0, 0, 420, 300},
            "",
            {"MS Sans Serif", 8},
            {
                {ControlClass::Static, IDC_TITLE, SS_CENTER, {8, 8, 404, 10}},
                {ControlClass::Button, groupId, BS_GROUPBOX, {100, 24, 220, 266}},
                {ControlClass::ListView, listId, kListStyle, {112, 38, 196, 244}},
            }};
}

}  // namespace

const platform::DialogTemplate kFuncViewTemplate = {
    IDD_FUNC_VIEW,
    WS_CHILD,
    {0, 0, 420, 300},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_TITLE, SS_CENTER, {8, 8, 404, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_AVAILABLE_GROUP, BS_GROUPBOX, {8, 24, 176, 266}},
        {ControlClass::TreeView, IDC_FUNCVIEW_AVAILABLE, kTreeStyle, {14, 36, 164, 248}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_GROUP, BS_GROUPBOX, {190, 40, 60, 94}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {196, 54, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_B, BS_AUTORADIOBUTTON, {196, 70, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_C, BS_AUTORADIOBUTTON, {196, 86, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_T, BS_AUTORADIOBUTTON, {196, 102, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_E, BS_AUTORADIOBUTTON, {196, 118, 50, 10}},
        {ControlClass::Button, IDC_LIST_ADD, kButton | WS_GROUP, {200, 150, 40, 16}, ui::kListAdd},
        {ControlClass::Button, IDC_LIST_REMOVE, kButton, {200, 172, 40, 16}, ui::kListRemove},
        {ControlClass::Button, IDC_FUNCVIEW_LIST_GROUP, BS_GROUPBOX, {256, 24, 156, 266}},
        {ControlClass::TreeView, IDC_FUNCVIEW_LIST, kTreeStyle, {262, 36, 144, 248}},
    }};

const platform::DialogTemplate kCanLoggingTemplate = {
    IDD_CAN_LOGGING,
    WS_CHILD,
    {0, 0, 420, 300},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_TITLE, SS_CENTER, {8, 6, 404, 10}},
        {ControlClass::Button, IDC_CANLOG_SOURCE_GROUP, BS_GROUPBOX, {8, 20, 150, 250}},
        {ControlClass::TreeView, IDC_CANLOG_SOURCES, kTreeStyle, {14, 32, 138, 232}},
        {ControlClass::Button, IDC_LIST_ADD, kButton, {164, 110, 30, 14}, ui::kListAdd},
        {ControlClass::Button, IDC_LIST_REMOVE, kButton, {164, 130, 30, 14}, ui::kListRemove},
        {ControlClass::Tab, IDC_CANLOG_TABS, WS_TABSTOP, {200, 20, 212, 14}},
        {ControlClass::ListView, IDC_CANLOG_LIST, kListStyle, {200, 34, 212, 206}},
        {ControlClass::Button, IDC_CANLOG_CLEAR, kButton, {200, 246, 64, 14}},
        {ControlClass::Button, IDC_CANLOG_DEFAULTS, kButton, {270, 246, 64, 14}},
        {ControlClass::Button, IDC_CANLOG_NETWORK, kButton, {352, 246, 60, 14}},
        {ControlClass::Static, IDC_CANLOG_MASTER_LABEL, SS_LEFT, {8, 280, 52, 8}},
        {ControlClass::ComboBox, IDC_CANLOG_MASTER, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {62, 278, 40, 120}},
        {ControlClass::Static, IDC_CANLOG_TIMEOUT_LABEL, SS_LEFT, {112, 280, 34, 8}},
        {ControlClass::ComboBox, IDC_CANLOG_TIMEOUT, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {148, 278, 60, 120}},
    }};

const platform::DialogTemplate kFuncOrderTemplate = OrderTemplate(IDD_FUNC_ORDER, IDC_FUNCORDER_GROUP, IDC_FUNCORDER_LIST);
const platform::DialogTemplate kMeldungOrderTemplate =
    OrderTemplate(IDD_MELDUNG_ORDER, IDC_MSGORDER_GROUP, IDC_MSGORDER_LIST);

}  // namespace resources
