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
            {0, 0, 348, 284},
            "",
            {"MS Sans Serif", 8},
            {
                {ControlClass::Static, IDC_TITLE, SS_CENTER, {5, 8, 338, 10}},
                {ControlClass::Button, groupId, BS_GROUPBOX, {68, 24, 212, 256}},
                {ControlClass::ListView, listId, kListStyle, {74, 38, 200, 234}},
            }};
}

}  // namespace

const platform::DialogTemplate kFuncViewTemplate = {
    IDD_FUNC_VIEW,
    WS_CHILD,
    {0, 0, 348, 284},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_TITLE, SS_CENTER, {5, 8, 338, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_AVAILABLE_GROUP, BS_GROUPBOX, {5, 24, 150, 256}},
        {ControlClass::TreeView, IDC_FUNCVIEW_AVAILABLE, kTreeStyle, {10, 36, 139, 238}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_GROUP, BS_GROUPBOX, {157, 40, 58, 94}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {162, 54, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_B, BS_AUTORADIOBUTTON, {162, 70, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_C, BS_AUTORADIOBUTTON, {162, 86, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_T, BS_AUTORADIOBUTTON, {162, 102, 50, 10}},
        {ControlClass::Button, IDC_FUNCVIEW_LEVEL_E, BS_AUTORADIOBUTTON, {162, 118, 50, 10}},
        {ControlClass::Button, IDC_LIST_ADD, kButton | WS_GROUP, {168, 150, 35, 16}, ui::kListAdd},
        {ControlClass::Button, IDC_LIST_REMOVE, kButton, {168, 172, 35, 16}, ui::kListRemove},
        {ControlClass::Button, IDC_FUNCVIEW_LIST_GROUP, BS_GROUPBOX, {216, 24, 127, 256}},
        {ControlClass::TreeView, IDC_FUNCVIEW_LIST, kTreeStyle, {221, 36, 117, 238}},
    }};

const platform::DialogTemplate kCanLoggingTemplate = {
    IDD_CAN_LOGGING,
    WS_CHILD,
    {0, 0, 348, 284},
    "",
    {"MS Sans Serif", 8},
    {
        {ControlClass::Static, IDC_TITLE, SS_CENTER, {5, 6, 338, 10}},
        {ControlClass::Button, IDC_CANLOG_SOURCE_GROUP, BS_GROUPBOX, {5, 20, 127, 246}},
        {ControlClass::TreeView, IDC_CANLOG_SOURCES, kTreeStyle, {10, 32, 117, 228}},
        {ControlClass::Button, IDC_LIST_ADD, kButton, {137, 110, 26, 14}, ui::kListAdd},
        {ControlClass::Button, IDC_LIST_REMOVE, kButton, {137, 130, 26, 14}, ui::kListRemove},
        {ControlClass::Tab, IDC_CANLOG_TABS, WS_TABSTOP, {169, 20, 174, 14}},
        {ControlClass::ListView, IDC_CANLOG_LIST, kListStyle, {169, 34, 174, 206}},
        {ControlClass::Button, IDC_CANLOG_CLEAR, kButton, {169, 246, 54, 14}},
        {ControlClass::Button, IDC_CANLOG_DEFAULTS, kButton, {228, 246, 54, 14}},
        {ControlClass::Button, IDC_CANLOG_NETWORK, kButton, {291, 246, 52, 14}},
        {ControlClass::Static, IDC_CANLOG_MASTER_LABEL, SS_LEFT, {5, 276, 54, 8}},
        {ControlClass::ComboBox, IDC_CANLOG_MASTER, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {60, 274, 35, 120}},
        {ControlClass::Static, IDC_CANLOG_TIMEOUT_LABEL, SS_LEFT, {104, 276, 30, 8}},
        {ControlClass::ComboBox, IDC_CANLOG_TIMEOUT, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {136, 274, 52, 120}},
    }};

const platform::DialogTemplate kFuncOrderTemplate = OrderTemplate(IDD_FUNC_ORDER, IDC_FUNCORDER_GROUP, IDC_FUNCORDER_LIST);
const platform::DialogTemplate kMeldungOrderTemplate =
    OrderTemplate(IDD_MELDUNG_ORDER, IDC_MSGORDER_GROUP, IDC_MSGORDER_LIST);

}  // namespace resources
