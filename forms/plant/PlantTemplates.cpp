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
    DialogTemplate t {IDD_EINGANG, WS_CHILD, {0, 0, 420, 276}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 404, 20);
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {16, 11, 388, 9}});

    Static(t, IDC_EINGANG_NR_LABEL, 16, 35, 44);
    Combo(t, IDC_EINGANG_NR, 62, 32, 80);

    Box(t, IDC_EINGANG_TYP_GROUP, 8, 52, 92, 62);
    Radios(t, {IDC_EINGANG_TYP, IDC_EINGANG_TYP_ANALOG, IDC_EINGANG_TYP_DIGITAL, IDC_EINGANG_TYP_IMPULS}, 16, 65);

    Box(t, IDC_EINGANG_GROESSE_GROUP, 106, 52, 92, 112);
    Radios(t, {IDC_EINGANG_GROESSE, 1388, 1398, 1400, 1402, 1410, 1411, 1412}, 114, 65);

    Box(t, IDC_EINGANG_BEZGRUPPE_GROUP, 204, 52, 100, 112);
    Radios(t, {IDC_EINGANG_BEZGRUPPE, 1394, 1396, 1393, 1385, 1415}, 212, 65, 1, 62);
    t.controls.push_back({ControlClass::Button, IDC_BEZ_VERWALTEN, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {278, 124, 18, 12}, ui::kDesignationManage});
    Static(t, IDC_BEZ_LABEL, 212, 138, 40);
    std::vector<CString> digits = {""};
    for (char d = '1'; d <= '9'; ++d)
        digits.push_back(CString(d));
    Combo(t, IDC_BEZ_NAME, 212, 148, 60);
    Combo(t, IDC_BEZ_ZIFFER, 274, 148, 24, std::move(digits));

    Box(t, IDC_EINGANG_SONDE_GROUP, 310, 52, 102, 112);
    Radios(t, {IDC_EINGANG_SONDE, 1387, 1389, 1390, 1391}, 318, 65, 1, 86);
    t.controls.push_back(
        {ControlClass::Button, IDC_EINGANG_SENSORCHECK, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, {318, 143, 86, 10}});

    std::vector<CString> means;
    for (int v = 0; v <= 60; ++v) {
        CString item;
        item.Format("%5.1f", v / 10.0);
        means.push_back(item);
    }
    Static(t, IDC_EINGANG_MITTEL_LABEL, 16, 177, 50);
    Combo(t, IDC_EINGANG_MITTEL, 68, 174, 40, std::move(means));
    Static(t, IDC_EINGANG_MITTEL_UNIT, 112, 177, 24);
    Static(t, IDC_EINGANG_KORR_LABEL, 204, 177, 56);
    Combo(t, IDC_EINGANG_KORR, 262, 174, 50);
    Static(t, IDC_EINGANG_KORR_UNIT, 316, 177, 30);

    Box(t, IDC_EINGANG_PROZESS_GROUP, 8, 194, 196, 64);
    Radios(t, {IDC_EINGANG_PROZESS, 1404, 1406, 1407, 1409, 1413, 1414, 1416}, 16, 207, 2, 84);

    Box(t, IDC_EINGANG_SKALA_GROUP, 210, 194, 202, 64);
    Combo(t, IDC_EINGANG_SIGNAL_LOW, 218, 210, 46);
    Static(t, IDC_EINGANG_SIGNAL_LOW_UNIT, 268, 213, 20);
    Combo(t, IDC_EINGANG_PROZESS_LOW, 300, 210, 46);
    Static(t, IDC_EINGANG_PROZESS_LOW_UNIT, 350, 213, 30);
    Combo(t, IDC_EINGANG_SIGNAL_HIGH, 218, 232, 46);
    Static(t, IDC_EINGANG_SIGNAL_HIGH_UNIT, 268, 235, 20);
    Combo(t, IDC_EINGANG_PROZESS_HIGH, 300, 232, 46);
    Static(t, IDC_EINGANG_PROZESS_HIGH_UNIT, 350, 235, 30);
    return t;
}

}  // namespace plant
