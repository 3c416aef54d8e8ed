// Dialog template of the boiler cascade's service values: the boiler sequence, the boilers in the automatic change
// with their operating-hour counters, the hour difference of the change, and OK and Cancel. The texts and the place
// lists are set when the dialog starts; the hour-difference list carries its items.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/ValueLists.h"

#include "platform/ResourceRegistry.h"

namespace resources {

using platform::ControlClass;

namespace {

constexpr DWORD kStatic = SS_LEFT | WS_GROUP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr DWORD kCounter = WS_BORDER | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;

}  // namespace

void RegisterKesselServiceTemplate()
{
    platform::DialogTemplate t{IDD_KESSEL_SERVICE,   DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               {0, 0, 230, 196},     "",
                               {"MS Sans Serif", 8}, {}};
    t.controls = {
        {ControlClass::Button, IDC_KASK_SERVICE_SEQUENCE, BS_GROUPBOX, {7, 7, 216, 60}},
        {ControlClass::Button, IDC_KASK_SERVICE_CHANGE, BS_GROUPBOX, {7, 72, 216, 94}},
        {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {47, 174, 50, 14}},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {133, 174, 50, 14}},
    };
    const UINT placeLabels[3] = {IDC_KASK_SERVICE_PLACE_LABEL_A, IDC_KASK_SERVICE_PLACE_LABEL_B,
                                 IDC_KASK_SERVICE_PLACE_LABEL_C};
    const UINT places[3] = {IDC_KASK_SERVICE_PLACE_A, IDC_KASK_SERVICE_PLACE_B, IDC_KASK_SERVICE_PLACE_C};
    const UINT checks[3] = {IDC_KASK_SERVICE_CHANGE_A, IDC_KASK_SERVICE_CHANGE_B, IDC_KASK_SERVICE_CHANGE_C};
    const UINT runLabels[3] = {IDC_KASK_SERVICE_HOURS_LABEL_A, IDC_KASK_SERVICE_HOURS_LABEL_B,
                               IDC_KASK_SERVICE_HOURS_LABEL_C};
    const UINT counters[3] = {IDC_KASK_SERVICE_HOURS_A, IDC_KASK_SERVICE_HOURS_B, IDC_KASK_SERVICE_HOURS_C};
    const UINT units[3] = {IDC_KASK_SERVICE_UNIT_A, IDC_KASK_SERVICE_UNIT_B, IDC_KASK_SERVICE_UNIT_C};
    for (int b = 0; b < 3; ++b) {
        const int y = 20 + b * 15;
        t.controls.push_back({ControlClass::Static, placeLabels[b], kStatic, {20, y + 2, 60, 9}});
        t.controls.push_back({ControlClass::ComboBox, places[b], kList, {90, y, 40, 60}});
        const int z = 86 + b * 16;
        t.controls.push_back(
            {ControlClass::Button, checks[b], BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, {15, z + 1, 56, 10}});
        t.controls.push_back({ControlClass::Static, runLabels[b], kStatic, {76, z + 2, 44, 9}});
        t.controls.push_back({ControlClass::Edit, counters[b], kCounter, {122, z, 44, 12}});
        t.controls.push_back({ControlClass::Static, units[b], kStatic, {170, z + 2, 20, 9}});
    }
    t.controls.push_back({ControlClass::Static, IDC_KASK_SERVICE_DIFF_LABEL, kStatic, {15, 138, 100, 18}});
    // 10 to 2500 hours in steps of 10; index = stored value - 1.
    const std::vector<CString> hours = ScaledList(1, 250, 10).items;
    t.controls.push_back({ControlClass::ComboBox, IDC_KASK_SERVICE_DIFF, kList, {122, 140, 44, 120}, "", hours});
    t.controls.push_back({ControlClass::Static, IDC_KASK_SERVICE_DIFF_UNIT, kStatic, {170, 142, 20, 9}});
    platform::ResourceRegistry::Instance().AddDialog(t);
}

}  // namespace resources
