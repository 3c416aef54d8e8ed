// The profile function's parameter form: its tables for the function form frame, the 64 steps and the unit's
// value lists, and the factories of its forms.
#include "forms/logic/CProfilfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CProfilfuncVarIn.h"
#include "forms/logic/CProfilfuncVarOut.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/ProfilfuncParam.h"
#include "texttables/StandardDesignations.h"

#include <string>

FUNCTION_FORM_FACTORIES(Profilfunc)

namespace {

using namespace forms;
using R = ProfilfuncParam;
using Rows = FieldTable<record::kProfilFields>;

constexpr UINT kStepCount = 1165;
constexpr UINT kUnit = 1166;
constexpr UINT kCyclic = 1233;
constexpr UINT kClock = 1238;
constexpr UINT kClockUnit = 1128;
constexpr UINT kOffValue = 1246;
constexpr UINT kOffValueUnit = 1247;
constexpr UINT kFirstStepCaption = 1588;
constexpr long kTemperature = 1;
constexpr int kLastTimeByte = 251;

// Step n's list and unit label.
constexpr UINT kStepCombos[CProfilfunc::kSteps] = {
    1134, 1135, 1136, 1137, 1138, 1139, 1140, 1141, 1142, 1143, 1144,        // 1..11
    1167, 1168, 1169, 1170, 1171, 1172, 1173, 1174, 1175, 1176, 1177,        // 12..22
    1145, 1146, 1147, 1148, 1149, 1150, 1151, 1152, 1153, 1154,              // 23..32
    1164, 1178, 1179, 1180, 1181, 1182, 1183, 1184, 1186, 1187, 1188, 1189,  // 33..44
    1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162, 1163,                    // 45..53
    1242, 1244, 1190, 1194, 1196, 1200, 1206, 1212, 1218, 1237, 1240,        // 54..64
};
constexpr UINT kStepUnits[CProfilfunc::kSteps] = {
    1198, 1201, 1204, 1207, 1210, 1213, 1216, 1219, 1222, 1225, 1228,        // 1..11
    1199, 1202, 1205, 1208, 1211, 1214, 1217, 1221, 1224, 1229, 1230,        // 12..22
    1111, 1112, 1113, 1114, 1115, 1116, 1117, 1220, 1223, 1226,              // 23..32
    1227, 1127, 1129, 1130, 1131, 1132, 1133, 1185, 1231, 1232, 1234, 1235,  // 33..44
    1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126,                    // 45..53
    1243, 1245, 1193, 1195, 1197, 1203, 1209, 1215, 1236, 1239, 1241,        // 54..64
};

const record::FieldRef kUnitField = Edits(Rows::Row(offsetof(R, unit)));

// The clock periods 1..251 (time bytes), right-aligned by blanks.
std::vector<CString> ClockItems()
{
    std::vector<CString> items;
    auto padded = [](int whole, const std::string& text) {
        return CString(whole < 10 ? "    " : whole < 100 ? "  " : "") + CString(text);
    };
    for (int v = 1; v <= kLastTimeByte; ++v) {
        if (v <= 90)
            items.push_back(padded(v, platform::FormatC("%d", v)));
        else if (v <= 106)
            items.push_back(padded((v - 87) / 2, platform::FormatC("%d.%d", (v - 87) / 2, (v - 87) % 2 * 5)));
        else if (v <= 156)
            items.push_back(padded(v - 97, platform::FormatC("%d", v - 97)));
        else
            items.push_back(padded((v - 155) / 2, platform::FormatC("%d.%d", (v - 155) / 2, (v - 155) % 2 * 5)));
    }
    return items;
}

const char* ClockUnit(BYTE v)
{
    return v <= 90 ? ui::kUnitSeconds : v <= 156 ? ui::kUnitMinutes : ui::kUnitHours;
}

// Item v of a value list in the unit; item 0 is "OFF" in the step lists, the number 0 in the setpoint list.
CString ValueItem(long unit, int v, bool step)
{
    if (v == 0 && step)
        return CString("  ") + CString(ui::kProfilOff);
    if (unit == 0)
        return resources::PaddedNumber(v, 6);
    if (unit == kTemperature)
        return CString(platform::FormatC(v < 20 ? "     %02.01f" : v < 200 ? "   %02.01f" : " %02.01f", v / 2.0));
    if (v == 0)
        return CString("       0");
    return resources::PaddedNumber(10 * v, 7);
}

// The items of the step lists (step true) or of the setpoint list: 0..100 without dimension, 0..200 (in tens) for
// solar radiation, 0..250 otherwise.
std::vector<CString> UnitValueItems(long unit, bool step)
{
    std::vector<CString> items;
    const int last = unit == 0 ? 100 : unit == 2 ? 200 : 250;
    for (int v = 0; v <= last; ++v)
        items.push_back(ValueItem(unit, v, step));
    return items;
}

std::vector<std::string> StepCaptions()
{
    std::vector<std::string> captions;
    for (int n = 1; n <= CProfilfunc::kSteps; ++n)
        captions.push_back(platform::FormatC(ui::kProfilStepCaption, ui::kProfilStep, n));
    return captions;
}

const std::vector<std::string>& Captions()
{
    static const std::vector<std::string> captions = StepCaptions();
    return captions;
}

std::vector<LayoutGroup> Layout()
{
    std::vector<LayoutGroup> layout = {
        {0,
         nullptr,
         {{1583, ui::kProfilStepsLabel, kStepCount, ControlKind::Combo},
          {1586, ui::kProfilUnitLabel, kUnit, ControlKind::Combo},
          {1584, ui::kProfilCyclicLabel, kCyclic, ControlKind::Combo},
          {1585, ui::kProfilClockLabel, kClock, ControlKind::Combo, nullptr, {}, kClockUnit},
          {1587, ui::kProfilOffValueLabel, kOffValue, ControlKind::Combo, nullptr, {}, kOffValueUnit}},
         2,
         16,
         64},
        // The 64 steps in four columns, so that the form fits the frame.
        {0, nullptr, {}, 4, 12, 40},
    };
    for (int n = 0; n < CProfilfunc::kSteps; ++n)
        layout[1].rows.push_back({kFirstStepCaption + static_cast<UINT>(n),
                                  Captions()[static_cast<size_t>(n)].c_str(),
                                  kStepCombos[n],
                                  ControlKind::Combo,
                                  nullptr,
                                  {},
                                  kStepUnits[n]});
    return layout;
}

const std::vector<LayoutGroup> kLayout = Layout();

const std::vector<ValueControl> kValues = {
    {kStepCount, Edits(Rows::Row(offsetof(R, stepCount))), 2, {resources::NumberList(2, 64).items}, {}, true},
    {kUnit, kUnitField, 0, {{}, std::span<const char* const>(ui::kQuantities, 8)}, {}, true},
    {kCyclic, Edits(Rows::Row(offsetof(R, repeat))), 0, {{}, ui::kNoYes}},
    {kClock,
     Edits(Rows::Row(offsetof(R, clock.number))),
     1,
     {ClockItems()},
     {false, RECORD_FIELD(R, clock.kind), 0},
     true},
};

}  // namespace

BEGIN_MESSAGE_MAP(CProfilfunc, FunctionParamForm)
ON_CBN_SELENDOK(kOffValue, OnSollwertAus)
// The step lists lie among the form's other lists: OnStufe passes those on to the frame.
ON_CONTROL_RANGE(CBN_SELENDOK, 1111, 1244, OnStufe)
END_MESSAGE_MAP()

const forms::FunctionKind CProfilfunc::kKind{texts::kTypeProfilfunc, ui::kTitleProfilfunc, false};

CProfilfunc::CProfilfunc() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CProfilfunc::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kOffValue, m_offValue);
    for (int n = 0; n < kSteps; ++n)
        DDX_Control(dx, static_cast<int>(kStepCombos[n]), m_steps[static_cast<size_t>(n)]);
}

void CProfilfunc::ShowSpecial()
{
    const BYTE* r = Record();
    const long unit = ReadField(r, kUnitField);
    const int count = r[offsetof(R, stepCount)];
    if (m_listUnit.Changes(unit)) {
        FillLists(m_steps, UnitValueItems(unit, true));
        FillList(m_offValue, UnitValueItems(unit, false));
    }
    for (int n = 0; n < kSteps; ++n) {
        const bool inUse = n < count;
        m_steps[static_cast<size_t>(n)].EnableWindow(inUse);
        m_steps[static_cast<size_t>(n)].SetCurSel(inUse ? r[offsetof(R, steps) + static_cast<size_t>(n)] : -1);
    }
    const bool fixedOffValue = r[offsetof(R, offValue.kind)] == 0;
    m_offValue.EnableWindow(fixedOffValue);
    m_offValue.SetCurSel(fixedOffValue ? r[offsetof(R, offValue.number)] : -1);
    SetCaption(kClockUnit, ClockUnit(r[offsetof(R, clock.number)]));
    // "sì" for any stored value but 0.
    if (auto* cyclic = static_cast<CComboBox*>(GetDlgItem(kCyclic)))
        cyclic->SetCurSel(r[offsetof(R, repeat)] != 0 ? 1 : 0);
    ShowEinheiten();
}

void CProfilfunc::ShowEinheiten()
{
    const BYTE* r = Record();
    const char* unit = ui::kQuantityUnits[ReadField(r, kUnitField)];
    const int count = r[offsetof(R, stepCount)];
    for (int n = 0; n < kSteps; ++n) {
        const bool shown = n < count && r[offsetof(R, steps) + static_cast<size_t>(n)] != 0;
        SetCaption(kStepUnits[n], shown ? unit : "");
    }
    SetCaption(kOffValueUnit, unit);
}

void CProfilfunc::OnStufe(UINT id)
{
    bool step = false;
    for (UINT combo : kStepCombos)
        step |= combo == id;
    if (!step) {
        OnValuePick(id);
        return;
    }
    BYTE* r = Record();
    const int count = r[offsetof(R, stepCount)];
    for (int n = 0; n < count; ++n) {
        // A list without selection keeps its value.
        const int index = m_steps[static_cast<size_t>(n)].GetCurSel();
        if (index >= 0)
            r[offsetof(R, steps) + static_cast<size_t>(n)] = static_cast<BYTE>(index);
    }
    ShowEinheiten();
}

void CProfilfunc::OnSollwertAus()
{
    const int index = m_offValue.GetCurSel();
    if (index >= 0)
        Record()[offsetof(R, offValue.number)] = static_cast<BYTE>(index);
}
