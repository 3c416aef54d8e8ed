// Templates of the plant forms, in dialog units. Radio groups are runs of buttons after one with WS_GROUP, so the
// data exchange reads each run as one index; every caption is set at run time.
#include "forms/plant/PlantTemplates.h"

#include "resources/PlantIds.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

#include <initializer_list>

namespace plant {

namespace {

using platform::ControlClass;
using platform::DialogTemplate;

constexpr DWORD kStatic = SS_LEFT | WS_GROUP;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr int kRadioStep = 12;

void Box(DialogTemplate& t, UINT id, int x, int y, int cx, int cy)
{
    t.controls.push_back({ControlClass::Button, id, BS_GROUPBOX | WS_GROUP, {x, y, cx, cy}});
}

void Static(DialogTemplate& t, UINT id, int x, int y, int cx)
{
    t.controls.push_back({ControlClass::Static, id, kStatic, {x, y, cx, 9}});
}

void Combo(DialogTemplate& t, UINT id, int x, int y, int cx, std::vector<CString> items = {})
{
    t.controls.push_back({ControlClass::ComboBox, id, kCombo, {x, y, cx, 120}, "", std::move(items)});
}

// A radio group; `columns` buttons side by side, then the next line.
void Radios(DialogTemplate& t, std::initializer_list<UINT> ids, int x, int y, int columns = 1, int width = 76)
{
    int i = 0;
    for (UINT id : ids) {
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        t.controls.push_back(
            {ControlClass::Button, id, style, {x + (i % columns) * (width + 6), y + (i / columns) * kRadioStep, width, 10}});
        ++i;
    }
}

}  // namespace

DialogTemplate EingangTemplate()
{
    DialogTemplate t {IDD_EINGANG, WS_CHILD, {0, 0, 340, 308}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 324, 20);
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {12, 11, 316, 9}});

    Static(t, IDC_EINGANG_NR_LABEL, 16, 35, 44);
    Combo(t, IDC_EINGANG_NR, 62, 32, 80);

    // What the input is: type, measured quantity, sensor.
    Box(t, IDC_EINGANG_TYP_GROUP, 8, 52, 100, 64);
    Radios(t, {IDC_EINGANG_TYP, IDC_EINGANG_TYP_ANALOG, IDC_EINGANG_TYP_DIGITAL, IDC_EINGANG_TYP_IMPULS}, 16, 65, 1,
           80);
    Box(t, IDC_EINGANG_GROESSE_GROUP, 114, 52, 104, 112);
    Radios(t, {IDC_EINGANG_GROESSE, 1388, 1398, 1400, 1402, 1410, 1411, 1412}, 122, 65, 1, 84);
    Box(t, IDC_EINGANG_SONDE_GROUP, 224, 52, 108, 112);
    Radios(t, {IDC_EINGANG_SONDE, 1387, 1389, 1390, 1391}, 232, 65, 1, 84);
    t.controls.push_back(
        {ControlClass::Button, IDC_EINGANG_SENSORCHECK, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, {232, 134, 92, 10}});

    // Its designation, and the mean value and correction beside it.
    Box(t, IDC_EINGANG_BEZGRUPPE_GROUP, 8, 170, 200, 60);
    Radios(t, {IDC_EINGANG_BEZGRUPPE, 1394, 1396, 1393, 1385, 1415}, 16, 183, 3, 58);
    Static(t, IDC_BEZ_LABEL, 16, 212, 26);
    std::vector<CString> digits = {""};
    for (char d = '1'; d <= '9'; ++d)
        digits.push_back(CString(d));
    Combo(t, IDC_BEZ_NAME, 44, 209, 70);
    Combo(t, IDC_BEZ_ZIFFER, 118, 209, 28, std::move(digits));
    t.controls.push_back({ControlClass::Button, IDC_BEZ_VERWALTEN, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {152, 209, 20, 12}, ui::kDesignationManage});

    std::vector<CString> means;
    for (int v = 0; v <= 60; ++v) {
        CString item;
        item.Format("%5.1f", v / 10.0);
        means.push_back(item);
    }
    Static(t, IDC_EINGANG_MITTEL_LABEL, 214, 183, 50);
    Combo(t, IDC_EINGANG_MITTEL, 264, 180, 40, std::move(means));
    Static(t, IDC_EINGANG_MITTEL_UNIT, 308, 183, 24);
    Static(t, IDC_EINGANG_KORR_LABEL, 214, 212, 50);
    Combo(t, IDC_EINGANG_KORR, 264, 209, 40);
    Static(t, IDC_EINGANG_KORR_UNIT, 308, 212, 26);

    // The scaling of a voltage, current or resistance signal onto its process quantity.
    Box(t, IDC_EINGANG_PROZESS_GROUP, 8, 236, 160, 64);
    Radios(t, {IDC_EINGANG_PROZESS, 1404, 1406, 1407, 1409, 1413, 1414, 1416}, 16, 249, 2, 70);
    Box(t, IDC_EINGANG_SKALA_GROUP, 174, 236, 158, 64);
    Combo(t, IDC_EINGANG_SIGNAL_LOW, 182, 252, 42);
    Static(t, IDC_EINGANG_SIGNAL_LOW_UNIT, 228, 255, 16);
    Combo(t, IDC_EINGANG_PROZESS_LOW, 248, 252, 42);
    Static(t, IDC_EINGANG_PROZESS_LOW_UNIT, 294, 255, 34);
    Combo(t, IDC_EINGANG_SIGNAL_HIGH, 182, 274, 42);
    Static(t, IDC_EINGANG_SIGNAL_HIGH_UNIT, 228, 277, 16);
    Combo(t, IDC_EINGANG_PROZESS_HIGH, 248, 274, 42);
    Static(t, IDC_EINGANG_PROZESS_HIGH_UNIT, 294, 277, 34);
    return t;
}

}  // namespace plant
