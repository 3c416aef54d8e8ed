// Dialog template of the time programs: the three options in a group, the row of program tabs, and under it the
// seven days and the three time windows (start, a dash, end, "Ora", setpoint, "°C") of the current program. The
// number lists stand here; the words are set when the dialog starts.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/ValueLists.h"

namespace resources {

namespace {

using platform::ControlClass;
using platform::ControlTemplate;

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kWindowTop = 94;   // first window row
constexpr int kWindowStep = 20;
constexpr int kDayTop = 74;

struct WindowRow {
    UINT start, end, hour, setpoint;
};
constexpr WindowRow kWindows[] = {
    {IDC_ZP_START1, IDC_ZP_END1, IDC_ZP_HOUR1, IDC_ZP_SETPOINT1},
    {IDC_ZP_START2, IDC_ZP_END2, IDC_ZP_HOUR2, IDC_ZP_SETPOINT2},
    {IDC_ZP_START3, IDC_ZP_END3, IDC_ZP_HOUR3, IDC_ZP_SETPOINT3},
};
constexpr UINT kDays[] = {IDC_ZP_MONDAY, IDC_ZP_TUESDAY,  IDC_ZP_WEDNESDAY, IDC_ZP_THURSDAY,
                          IDC_ZP_FRIDAY, IDC_ZP_SATURDAY, IDC_ZP_SUNDAY};

std::vector<ControlTemplate> Controls()
{
    const std::vector<CString> times = TimeOfDayList(" ").items;
    const std::vector<CString> setpoints = NumberList(0, 90, 3).items;
    std::vector<ControlTemplate> controls = {
        {ControlClass::Button, IDC_ZP_OPTIONS, BS_GROUPBOX, {7, 5, 222, 42}},
        {ControlClass::Static, IDC_ZP_PROGRAMS_LABEL, SS_LEFT, {17, 17, 60, 8}},
        {ControlClass::ComboBox, IDC_ZP_PROGRAMS, kList | WS_GROUP, {17, 27, 44, 90}},
        {ControlClass::Static, IDC_ZP_WINDOWS_LABEL, SS_LEFT, {89, 17, 60, 8}},
        {ControlClass::ComboBox, IDC_ZP_WINDOWS, kList, {89, 27, 44, 60}, "", NumberList(1, 3, 2).items},
        {ControlClass::Static, IDC_ZP_SETPOINTS_LABEL, SS_LEFT, {161, 17, 60, 8}},
        {ControlClass::ComboBox, IDC_ZP_SETPOINTS, kList, {161, 27, 44, 40}},
        {ControlClass::Tab, IDC_ZP_TABS, WS_TABSTOP, {7, 54, 222, 104}},
        // The page under the tab row; its controls are the dialog's own.
        {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {7, 64, 222, 94}},
    };
    for (int d = 0; d < 7; ++d)
        controls.push_back({ControlClass::Button, kDays[d], BS_AUTOCHECKBOX | WS_TABSTOP | (d == 0 ? WS_GROUP : 0),
                            {17 + 29 * d, kDayTop, 27, 10}});
    for (int w = 0; w < 3; ++w) {
        const int y = kWindowTop + kWindowStep * w;
        controls.push_back({ControlClass::ComboBox, kWindows[w].start, kList, {17, y, 44, 100}, "", times});
        controls.push_back({ControlClass::Static, IDC_STATIC_ITEM, SS_CENTER, {63, y + 2, 10, 8}, "-"});
        controls.push_back({ControlClass::ComboBox, kWindows[w].end, kList, {75, y, 44, 100}, "", times});
        controls.push_back({ControlClass::Static, kWindows[w].hour, SS_LEFT, {123, y + 2, 22, 8}});
        controls.push_back({ControlClass::ComboBox, kWindows[w].setpoint, kList, {157, y, 36, 100}, "", setpoints});
        controls.push_back({ControlClass::Static, IDC_STATIC_ITEM, SS_LEFT, {197, y + 2, 16, 8}, "°C"});
    }
    controls.push_back({ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {56, 166, 50, 14}});
    controls.push_back({ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {130, 166, 50, 14}});
    return controls;
}

}  // namespace

const platform::DialogTemplate kZeitprogrammTemplate = {
    IDD_ZEITPROGRAMM, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, {0, 0, 236, 188}, "", {"MS Sans Serif", 8},
    Controls()};

}  // namespace resources
