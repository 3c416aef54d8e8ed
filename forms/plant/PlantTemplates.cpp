// Templates of the plant forms, in dialog units. Radio groups are runs of buttons after one with WS_GROUP, so the
// data exchange reads each run as one index; every caption is set at run time.
#include "forms/plant/PlantTemplates.h"

#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
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
        t.controls.push_back({ControlClass::Button,
                              id,
                              style,
                              {x + (i % columns) * (width + 6), y + (i / columns) * kRadioStep, width, 10}});
        ++i;
    }
}

}  // namespace

DialogTemplate EingangTemplate()
{
    DialogTemplate t{IDD_EINGANG, WS_CHILD, {0, 0, 340, 308}, "", {"MS Sans Serif", 8}, {}};
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
    t.controls.push_back({ControlClass::Button,
                          IDC_BEZ_VERWALTEN,
                          BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {152, 209, 20, 12},
                          ui::kDesignationManage});

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

CString TimeItem(int v)
{
    CString item;
    if (v <= 9)
        item.Format("     %d", v);
    else if (v <= 90)
        item.Format("   %d", v);
    else if (v <= 106)
        item.Format("  %d.%d", ((v - 90) * 5 + 15) / 10, ((v - 90) * 5 + 15) % 10);
    else
        item.Format("   %d", v - 97);
    return item;
}

const char* TimeUnit(int v)
{
    return v <= 90 ? ui::kUnitSeconds : ui::kUnitMinutes;
}

DialogTemplate AusgangTemplate()
{
    DialogTemplate t{IDD_AUSGANG, WS_CHILD, {0, 0, 340, 250}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 324, 20);
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {12, 11, 316, 9}});

    Static(t, IDC_AUSGANG_NR_LABEL, 16, 35, 40);
    Combo(t, IDC_AUSGANG_NR, 58, 32, 96);
    t.controls.push_back({ControlClass::Button,
                          IDC_AUSGANG_ANTIBLOCKIER,
                          BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP | WS_GROUP,
                          {262, 28, 70, 20}});

    Box(t, IDC_AUSGANG_TYP_GROUP, 8, 52, 100, 76);
    Radios(t, {IDC_AUSGANG_TYP, 1413, 1416, 1420, 1421}, 16, 65, 1, 84);

    Box(t, IDC_AUSGANG_BEZGRUPPE_GROUP, 114, 52, 218, 44);
    Radios(t, {IDC_AUSGANG_BEZGRUPPE, 1385, 1415}, 122, 64, 3, 56);
    t.controls.push_back({ControlClass::Button,
                          IDC_BEZ_VERWALTEN,
                          BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {304, 63, 20, 12},
                          ui::kDesignationManage});
    Static(t, IDC_BEZ_LABEL, 122, 80, 26);
    std::vector<CString> digits = {""};
    for (char d = '1'; d <= '9'; ++d)
        digits.push_back(CString(d));
    Combo(t, IDC_BEZ_NAME, 150, 77, 80);
    Combo(t, IDC_BEZ_ZIFFER, 234, 77, 28, std::move(digits));

    Box(t, IDC_AUSGANG_MODUS_GROUP, 114, 100, 218, 28);
    Radios(t, {IDC_AUSGANG_MODUS, 1418}, 122, 112, 2, 76);

    std::vector<CString> times;
    for (int v = 0; v < 128; ++v)
        times.push_back(TimeItem(v));
    Static(t, IDC_AUSGANG_ZEIT1_LABEL, 16, 141, 66);
    Combo(t, IDC_AUSGANG_ZEIT1, 84, 138, 44);
    Static(t, IDC_AUSGANG_ZEIT1_UNIT, 132, 141, 24);
    Static(t, IDC_AUSGANG_NACHLAUF_LABEL, 16, 159, 66);
    Combo(t, IDC_AUSGANG_NACHLAUF, 84, 156, 44, std::move(times));
    Static(t, IDC_AUSGANG_NACHLAUF_UNIT, 132, 159, 24);
    Static(t, IDC_AUSGANG_LAUFZEIT_LABEL, 16, 177, 66);
    Combo(t, IDC_AUSGANG_LAUFZEIT, 84, 174, 44);
    Static(t, IDC_AUSGANG_LAUFZEIT_UNIT, 132, 177, 24);
    t.controls.push_back({ControlClass::Static, IDC_AUSGANG_STEUER_LABEL, kStatic, {174, 138, 80, 18}});
    Combo(t, IDC_AUSGANG_STEUER, 258, 141, 44);
    Static(t, IDC_AUSGANG_STEUER_UNIT, 306, 144, 20);

    std::vector<CString> low;
    std::vector<CString> high;
    for (int v = 0; v <= 1000; v += 10) {
        CString item;
        item.Format("%4d", v);
        if (v < 1000)
            low.push_back(item);
        high.push_back(item);
    }
    Box(t, IDC_AUSGANG_SKALA_GROUP, 8, 194, 324, 48);
    Combo(t, IDC_AUSGANG_SKALA_EIN_LOW, 16, 210, 44, std::move(low));
    Combo(t, IDC_AUSGANG_SKALA_AUS_LOW, 64, 210, 48);
    Static(t, IDC_AUSGANG_SKALA_LOW_UNIT, 116, 213, 20);
    Combo(t, IDC_AUSGANG_SKALA_EIN_HIGH, 170, 210, 44, std::move(high));
    Combo(t, IDC_AUSGANG_SKALA_AUS_HIGH, 218, 210, 48);
    Static(t, IDC_AUSGANG_SKALA_HIGH_UNIT, 270, 213, 20);
    return t;
}

DialogTemplate NetzEingangTemplate()
{
    DialogTemplate t{IDD_NETZEINGANG, WS_CHILD, {0, 0, 340, 252}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 324, 20);
    t.controls.push_back({ControlClass::Static, IDC_NETZEIN_TITLE, SS_CENTER, {12, 11, 316, 9}});

    std::vector<CString> numbers;
    for (int n = 1; n <= 16; ++n) {
        CString item;
        item.Format("%2d", n);
        numbers.push_back(item);
    }
    Static(t, IDC_NETZEIN_LABEL, 16, 35, 60);
    Combo(t, IDC_NETZEIN_KIND, 80, 32, 70);
    Combo(t, IDC_NETZEIN_NUMBER, 154, 32, 36, numbers);
    Static(t, IDC_NETZEIN_SOURCE_LABEL, 16, 53, 60);
    Combo(t, IDC_NETZEIN_BUS, 80, 50, 70);
    std::vector<CString> nodes;
    for (int n = 1; n <= 62; ++n) {
        CString item;
        item.Format("%4d", n);
        nodes.push_back(item);
    }
    Static(t, IDC_NETZEIN_NODE_LABEL, 16, 71, 60);
    Combo(t, IDC_NETZEIN_NODE, 80, 68, 40, std::move(nodes));
    for (CString& item : numbers)
        item = "  " + item;
    Static(t, IDC_NETZEIN_OUTPUT_LABEL, 16, 89, 62);
    Combo(t, IDC_NETZEIN_OUTPUT, 80, 86, 40, std::move(numbers));
    Box(t, IDC_NETZEIN_SETTINGS_GROUP, 214, 46, 118, 34);
    t.controls.push_back(
        {ControlClass::Button, IDC_NETZEIN_SETTINGS, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, {224, 59, 98, 14}});

    std::vector<CString> minutes;
    for (int m = 5; m <= 240; ++m) {
        CString item;
        item.Format("%4d", m);
        minutes.push_back(item);
    }
    Box(t, IDC_NETZEIN_TIMEOUT_GROUP, 8, 106, 324, 140);
    for (int k = 0; k < 8; ++k) {
        const NetzTimeoutIds& ids = kNetzTimeoutIds[k];
        const int x = k < 4 ? 16 : 174;
        const int y = 118 + (k % 4) * 31;
        Box(t, ids.group, x, y, 150, 28);
        Static(t, ids.label, x + 8, y + 14, 34);
        Combo(t, ids.list, x + 44, y + 11, 40, minutes);
        Static(t, ids.unit, x + 88, y + 14, 20);
    }
    return t;
}

DialogTemplate NetzAusgangTemplate()
{
    DialogTemplate t{IDD_NETZAUSGANG, WS_CHILD, {0, 0, 340, 258}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 324, 20);
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {12, 11, 316, 9}});
    std::vector<CString> numbers;
    for (int n = 1; n <= 16; ++n) {
        CString item;
        item.Format("%2d", n);
        numbers.push_back(item);
    }
    Static(t, IDC_NETZAUS_LABEL, 16, 35, 40);
    Combo(t, IDC_NETZAUS_KIND, 58, 32, 70);
    Combo(t, IDC_NETZAUS_NUMBER, 132, 32, 36, std::move(numbers));
    Static(t, IDC_NETZAUS_SOURCE_LABEL, 16, 53, 30);
    Static(t, IDC_NETZAUS_SOURCE_KIND, 58, 53, 70);
    Static(t, IDC_NETZAUS_SOURCE_NUMBER, 130, 53, 16);
    Static(t, IDC_NETZAUS_SOURCE_VARIABLE, 148, 53, 80);
    Box(t, IDC_NETZAUS_SETTINGS_GROUP, 234, 28, 98, 34);
    t.controls.push_back(
        {ControlClass::Button, IDC_NETZAUS_SETTINGS, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, {242, 41, 82, 14}});

    auto range = [](int first, int last) {
        std::vector<CString> items;
        for (int v = first; v <= last; ++v) {
            CString item;
            item.Format("%4d", v);
            items.push_back(item);
        }
        return items;
    };
    Box(t, IDC_NETZAUS_CONDITIONS_GROUP, 8, 70, 324, 180);
    for (int g = 0; g < 5; ++g) {
        const NetzConditionIds& ids = kNetzConditionIds[g];
        const int y = g == 0 ? 82 : 86 + g * 32;
        Box(t, ids.group, 16, y, 308, 28);
        if (g == 0) {
            Static(t, IDC_NETZAUS_ONCHANGE_LABEL, 24, y + 14, 52);
            Combo(t, IDC_NETZAUS_ONCHANGE, 78, y + 11, 32);
        } else {
            Static(t, ids.thresholdLabel, 24, y + 14, 52);
            Combo(t, ids.threshold, 78, y + 11, 35, range(10, 250));
        }
        Static(t, ids.blockingLabel, 116, y + 14, 42);
        Combo(t, ids.blocking, 160, y + 11, 34, range(1, 120));
        Static(t, ids.seconds, 198, y + 14, 16);
        Static(t, ids.intervalLabel, 218, y + 14, 44);
        Combo(t, ids.interval, 264, y + 11, 34, range(1, 60));
        Static(t, ids.minutes, 302, y + 14, 18);
    }
    return t;
}

DialogTemplate SignalTemplate()
{
    DialogTemplate t{IDD_SIGNAL_UEBERGABE, WS_CHILD, {0, 0, 340, 208}, "", {"MS Sans Serif", 8}, {}};
    Box(t, IDC_STATIC_ITEM, 8, 4, 324, 20);
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {12, 11, 316, 9}});
    Static(t, IDC_SIGNAL_LIST_LABEL, 16, 34, 308);
    t.controls.push_back(
        {ControlClass::ListBox, IDC_SIGNAL_LIST, LBS_STANDARD | WS_TABSTOP | WS_GROUP, {16, 46, 200, 110}});
    Box(t, IDC_SIGNAL_GROUP, 8, 164, 324, 36);
    t.controls.push_back(
        {ControlClass::Edit, IDC_SIGNAL_ID, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, {16, 178, 200, 14}});
    return t;
}

DialogTemplate AntiblockierTemplate()
{
    DialogTemplate t{IDD_ANTIBLOCKIER,     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                     {0, 0, 280, 170},     "",
                     {"MS Sans Serif", 8}, {}};
    int x = 10;
    for (UINT id : kAntiblockierDays) {
        t.controls.push_back({ControlClass::Button, id, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, {x, 10, 32, 10}});
        x += 37;
    }
    std::vector<CString> times;
    for (int v = 0; v < 144; ++v) {
        CString item;
        item.Format(" %02d.%02d", v / 6, v % 6 * 10);
        times.push_back(item);
    }
    Static(t, IDC_ANTIBL_TIME_LABEL, 10, 31, 24);
    Combo(t, IDC_ANTIBL_TIME, 36, 28, 44, std::move(times));
    Static(t, IDC_ANTIBL_TIME_UNIT, 84, 31, 24);
    Box(t, IDC_ANTIBL_OUTPUTS_GROUP, 7, 48, 266, 92);
    for (size_t i = 0; i < std::size(kAntiblockierOutputs); ++i) {
        const int column = static_cast<int>(i % 4);
        const int row = static_cast<int>(i / 4);
        t.controls.push_back({ControlClass::Button,
                              kAntiblockierOutputs[i],
                              BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                              {15 + column * 64, 62 + row * 18, 64, 10}});
    }
    t.controls.push_back({ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {79, 148, 55, 14}});
    t.controls.push_back({ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, {146, 148, 55, 14}});
    return t;
}

}  // namespace plant
