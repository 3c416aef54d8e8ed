// Templates of function-data production: the compiler form and the three dialogs it opens. Captions are set by the
// program when a window opens; only the fixed list entries come with the templates.
#include "resources/ProductionIds.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

#include "platform/ResourceRegistry.h"

#include <vector>

namespace resources {

namespace {

using platform::ControlClass;

constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;

// Numbers first..last in steps, right-aligned in width characters, as the lists show them.
std::vector<CString> Numbers(int first, int last, int step, int width)
{
    std::vector<CString> items;
    for (int n = first; n <= last; n += step) {
        CString item;
        item.Format("%*d", width, n);
        items.push_back(item);
    }
    return items;
}

void RegisterCompiler()
{
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_COMPILER,
        WS_CHILD,
        {0, 0, 420, 335},
        "",
        {"MS Sans Serif", 8},
        {
            {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {7, 6, 404, 17}},
            {ControlClass::Static, IDC_COMPILER_TITLE, SS_CENTER, {20, 13, 379, 8}},
            {ControlClass::Button, IDC_COMPILER_PATH_GROUP, BS_GROUPBOX, {30, 45, 370, 50}},
            {ControlClass::Edit, IDC_COMPILER_TARGET, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
             {40, 65, 280, 14}},
            {ControlClass::Button, IDC_COMPILER_CHOOSE, kPush, {330, 65, 60, 14}},
            {ControlClass::Button, IDC_COMPILER_SETTINGS_GROUP, BS_GROUPBOX, {30, 105, 370, 40}},
            {ControlClass::Button, IDC_COMPILER_USER_SETTINGS, kPush, {59, 121, 90, 14}},
            {ControlClass::Button, IDC_COMPILER_NETWORK, kPush, {169, 121, 90, 14}},
            {ControlClass::Button, IDC_COMPILER_WELCOME, kPush, {279, 121, 90, 14}},
            {ControlClass::Button, IDC_COMPILER_CONVERSION_GROUP, BS_GROUPBOX | BS_CENTER, {30, 160, 370, 145}},
            {ControlClass::Static, IDC_COMPILER_REQUIREMENT, SS_CENTER, {35, 175, 360, 20}},
            {ControlClass::Button, IDC_COMPILER_STATUS_GROUP, BS_GROUPBOX, {90, 200, 240, 55}},
            {ControlClass::Static, IDC_COMPILER_STATUS, SS_LEFT, {110, 217, 198, 8}},
            {ControlClass::Progress, IDC_COMPILER_PROGRESS, WS_BORDER, {110, 230, 200, 14}},
            {ControlClass::Button, IDC_COMPILER_CONVERT, kPush, {159, 265, 100, 25}},
        }});
}

void RegisterNetzEinstellungen()
{
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_NETZEINSTELLUNGEN,
        kDialogStyle,
        {0, 0, 170, 104},
        "",
        {"MS Sans Serif", 8},
        {
            {ControlClass::Button, IDC_NETZ_GROUP, BS_GROUPBOX, {7, 7, 156, 68}},
            {ControlClass::Static, IDC_NETZ_NODE_LABEL, SS_LEFT, {16, 22, 60, 8}},
            {ControlClass::ComboBox, IDC_NETZ_NODE, kList, {90, 20, 60, 120}, "", Numbers(1, 62, 1, 4)},
            {ControlClass::Static, IDC_NETZ_RELEASE_LABEL, SS_LEFT, {16, 39, 60, 8}},
            {ControlClass::ComboBox, IDC_NETZ_RELEASE, kList, {90, 37, 60, 40}},
            {ControlClass::Static, IDC_NETZ_AUTOMATIC_LABEL, SS_LEFT, {16, 56, 60, 8}},
            {ControlClass::ComboBox, IDC_NETZ_AUTOMATIC, kList, {90, 54, 60, 40}},
            {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {24, 83, 55, 14}},
            {ControlClass::Button, IDCANCEL, kPush, {91, 83, 55, 14}},
        }});
}

void RegisterZusatzEinstellungen()
{
    const std::vector<CString> digits = Numbers(0, 9, 1, 2);
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_ZUSATZEINSTELLUNGEN,
        kDialogStyle,
        {0, 0, 300, 196},
        "",
        {"MS Sans Serif", 8},
        {
            {ControlClass::Button, IDC_ZUSATZ_DISPLAY_GROUP, BS_GROUPBOX, {7, 7, 286, 78}},
            {ControlClass::Static, IDC_ZUSATZ_CONTRAST_LABEL, SS_LEFT, {16, 22, 80, 8}},
            {ControlClass::ComboBox, IDC_ZUSATZ_CONTRAST, kList, {110, 20, 50, 120}, "", Numbers(30, 50, 1, 3)},
            {ControlClass::Static, IDC_ZUSATZ_BRIGHTNESS_LABEL, SS_LEFT, {16, 39, 80, 8}},
            {ControlClass::ComboBox, IDC_ZUSATZ_BRIGHTNESS, kList, {110, 37, 50, 120}, "", Numbers(0, 10, 1, 3)},
            {ControlClass::Button, IDC_ZUSATZ_LIGHT, kCheck, {16, 55, 90, 10}},
            {ControlClass::ComboBox, IDC_ZUSATZ_LIGHT_OFF, kList, {110, 54, 50, 120}, "", Numbers(10, 150, 10, 4)},
            {ControlClass::Static, IDC_ZUSATZ_SECONDS, SS_LEFT, {166, 56, 30, 8}},
            {ControlClass::Button, IDC_ZUSATZ_AUTO_FUNCVIEW, kCheck, {16, 70, 150, 10}},
            {ControlClass::Button, IDC_ZUSATZ_DATETIME_GROUP, BS_GROUPBOX, {7, 90, 140, 30}},
            {ControlClass::Button, IDC_ZUSATZ_SUMMERTIME, kCheck, {16, 104, 125, 10}},
            {ControlClass::Button, IDC_ZUSATZ_LOCK_GROUP, BS_GROUPBOX, {153, 90, 140, 30}},
            {ControlClass::Button, IDC_ZUSATZ_LOCK_PARAMETERS, kCheck, {160, 104, 49, 10}},
            {ControlClass::Button, IDC_ZUSATZ_LOCK_OUTPUTS, kCheck, {210, 104, 40, 10}},
            {ControlClass::Button, IDC_ZUSATZ_LOCK_MENU, kCheck, {252, 104, 38, 10}},
            {ControlClass::Static, IDC_ZUSATZ_EXPERT_LABEL, SS_LEFT, {16, 136, 80, 8}},
            {ControlClass::ComboBox, IDC_ZUSATZ_EXPERT_THOUSANDS, kList, {110, 134, 36, 120}, "", digits},
            {ControlClass::ComboBox, IDC_ZUSATZ_EXPERT_HUNDREDS, kList, {150, 134, 36, 120}, "", digits},
            {ControlClass::ComboBox, IDC_ZUSATZ_EXPERT_TENS, kList, {190, 134, 36, 120}, "", digits},
            {ControlClass::ComboBox, IDC_ZUSATZ_EXPERT_UNITS, kList, {230, 134, 36, 120}, "", digits},
            {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {88, 172, 55, 14}},
            {ControlClass::Button, IDCANCEL, kPush, {157, 172, 55, 14}},
        }});
}

void RegisterBegruessung()
{
    constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_BEGRUESSUNG,
        kDialogStyle,
        {0, 0, 260, 170},
        "",
        {"MS Sans Serif", 8},
        {
            {ControlClass::Button, IDC_BEGR_GROUP, BS_GROUPBOX, {7, 7, 246, 132}},
            {ControlClass::Button, IDC_BEGR_CUSTOM, kCheck, {16, 21, 150, 10}},
            {ControlClass::Static, IDC_BEGR_LABEL1, SS_LEFT, {16, 44, 60, 8}},
            {ControlClass::Edit, IDC_BEGR_LINE1, kEdit, {80, 42, 120, 13}},
            {ControlClass::Static, IDC_BEGR_LABEL2, SS_LEFT, {16, 62, 60, 8}},
            {ControlClass::Edit, IDC_BEGR_LINE2, kEdit, {80, 60, 120, 13}},
            {ControlClass::Static, IDC_BEGR_LABEL3, SS_LEFT, {16, 80, 60, 8}},
            {ControlClass::Edit, IDC_BEGR_LINE3, kEdit, {80, 78, 120, 13}},
            {ControlClass::Static, IDC_BEGR_LABEL4, SS_LEFT, {16, 98, 60, 8}},
            {ControlClass::Edit, IDC_BEGR_LINE4, kEdit, {80, 96, 120, 13}},
            {ControlClass::Button, IDC_BEGR_LOAD, kPush, {16, 117, 100, 14}},
            {ControlClass::Button, IDC_BEGR_SAVE, kPush, {130, 117, 100, 14}},
            {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {68, 148, 55, 14}},
            {ControlClass::Button, IDCANCEL, kPush, {137, 148, 55, 14}},
        }});
}

}  // namespace

void RegisterProductionTemplates()
{
    RegisterCompiler();
    RegisterNetzEinstellungen();
    RegisterZusatzEinstellungen();
    RegisterBegruessung();
}

}  // namespace resources
