// The analog function's parameter form: its tables for the function form frame, the variables in use and their
// fixed values in the unit's scale, and the factories of its forms.
#include "forms/logic/CAnalogfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/AnalogScale.h"
#include "forms/logic/CAnalogfuncVarIn.h"
#include "forms/logic/CAnalogfuncVarOut.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "store/AnalogfuncParam.h"
#include "texttables/StandardDesignations.h"

#include <string>

FUNCTION_FORM_FACTORIES(Analogfunc)

namespace {

using namespace forms;
using R = AnalogfuncParam;
using Rows = FieldTable<record::kAnalogfuncFields>;

constexpr UINT kUnit = 1498;
constexpr UINT kFunction = 1499;
constexpr UINT kFilter = 1505;
constexpr UINT kFilterUnit = 1541;
constexpr UINT kResult = 1500;
constexpr UINT kResultUnit = 1407;
constexpr UINT kChecks[CAnalogfunc::kVariables] = {1357, 1411, 1409, 1384, 1377, 1369};
constexpr UINT kValues[CAnalogfunc::kVariables] = {1501, 1502, 1503, 1504, 1506, 1507};
constexpr UINT kValueUnits[CAnalogfunc::kVariables] = {1395, 1397, 1399, 1401, 1403, 1405};
constexpr int kLastTimeByte = 251;

const record::FieldRef kUnitField = Edits(Rows::Row(offsetof(R, unit)));

// Time bytes 0..251 right-aligned: seconds, half minutes, minutes, half hours.
std::vector<CString> FilterItems()
{
    std::vector<CString> items;
    auto padded = [](int whole, const std::string& text) {
        return CString(whole < 10 ? "    " : "  ") + CString(text);
    };
    for (int v = 0; v <= kLastTimeByte; ++v) {
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

const std::vector<std::string>& VariableCaptions()
{
    static const std::vector<std::string> captions = [] {
        std::vector<std::string> c;
        for (int k = 1; k <= CAnalogfunc::kVariables; ++k)
            c.push_back(platform::FormatC(ui::kAnalogVariableCaption, ui::kAnalogVariable, k));
        return c;
    }();
    return captions;
}

std::vector<LayoutGroup> Layout()
{
    std::vector<LayoutGroup> layout = {
        {0,
         nullptr,
         {{1586, ui::kAnalogUnitLabel, kUnit, ControlKind::Combo},
          {1236, ui::kAnalogFunctionLabel, kFunction, ControlKind::Combo},
          {1237, ui::kAnalogFilterLabel, kFilter, ControlKind::Combo, nullptr, {}, kFilterUnit}}},
        {1238, ui::kAnalogInputsGroup, {}},
        {0, nullptr, {{1239, ui::kAnalogOffResultLabel, kResult, ControlKind::Combo, nullptr, {}, kResultUnit}}},
    };
    for (int k = 0; k < CAnalogfunc::kVariables; ++k) {
        LayoutRow row{0,
                      VariableCaptions()[static_cast<size_t>(k)].c_str(),
                      kValues[k],
                      ControlKind::Combo,
                      nullptr,
                      {},
                      kValueUnits[k]};
        row.checkId = kChecks[k];
        layout[1].rows.push_back(row);
    }
    return layout;
}

const std::vector<LayoutGroup> kLayout = Layout();

const std::vector<ValueControl> kValueControls = {
    {kUnit, kUnitField, 0, {{}, std::span<const char* const>(ui::kQuantities, 3)}, {}, true},
    {kFunction, Edits(Rows::Row(offsetof(R, function))), 0, {{}, ui::kAnalogFunctions}, {}, true},
    {kFilter,
     Edits(Rows::Row(offsetof(R, filterTime))),
     0,
     {FilterItems()},
     {false, Edits(Rows::Row(offsetof(R, function))), kAnalogFilter},
     true},
};

}  // namespace

BEGIN_MESSAGE_MAP(CAnalogfunc, FunctionParamForm)
ON_CBN_SELENDOK(kResult, OnErgebnisWert)
ON_CBN_SELENDOK(kValues[0], OnVariablenWert)
ON_CBN_SELENDOK(kValues[1], OnVariablenWert)
ON_CBN_SELENDOK(kValues[2], OnVariablenWert)
ON_CBN_SELENDOK(kValues[3], OnVariablenWert)
ON_CBN_SELENDOK(kValues[4], OnVariablenWert)
ON_CBN_SELENDOK(kValues[5], OnVariablenWert)
ON_CONTROL_RANGE(BN_CLICKED, 1357, 1411, OnVariable)
END_MESSAGE_MAP()

const forms::FunctionKind CAnalogfunc::kKind{texts::kTypeAnalogfunc, ui::kTitleAnalogfunc, false};

CAnalogfunc::CAnalogfunc() : FunctionParamForm({kKind, kLayout, kValueControls})
{}

void CAnalogfunc::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kResult, m_result);
    for (int k = 0; k < kVariables; ++k)
        DDX_Control(dx, static_cast<int>(kValues[k]), m_values[static_cast<size_t>(k)]);
}

void CAnalogfunc::ShowSpecial()
{
    const BYTE* r = Record();
    const long unit = ReadField(r, kUnitField);
    if (m_listUnit.Changes(unit)) {
        FillList(m_result, analog_scale::ValueItems(unit, true));
        FillLists(m_values, analog_scale::ValueItems(unit, false));
        for (UINT id : kValueUnits)
            SetCaption(id, ui::kQuantityUnits[unit]);
        SetCaption(kResultUnit, ui::kQuantityUnits[unit]);
    }
    SetCaption(kFilterUnit, TimeByteUnit(r[offsetof(R, filterTime)]));

    const bool fixedResult = r[offsetof(R, offResult.kind)] == 0;
    m_result.EnableWindow(fixedResult);
    m_result.SetCurSel(fixedResult ? analog_scale::ValueIndex(unit, r[offsetof(R, offResult.number)], true) : -1);

    const int inUse = r[offsetof(R, variableCount)];
    const int lastConnected = r[offsetof(R, lastVariable)];
    for (int k = 0; k < kVariables; ++k) {
        // Variable 1 is always in use; a connected variable and those before it cannot be given up.
        if (CWnd* check = GetDlgItem(static_cast<int>(kChecks[k])))
            check->EnableWindow(k > 0 && lastConnected < k + 1);
        CheckDlgButton(static_cast<int>(kChecks[k]), k == 0 || inUse >= k + 1 ? BST_CHECKED : BST_UNCHECKED);
        const R::Variable& v = reinterpret_cast<const R*>(r)->variables[k];
        const bool fixed = v.kind == 0 && (k == 0 || inUse >= k + 1);
        m_values[static_cast<size_t>(k)].EnableWindow(fixed);
        m_values[static_cast<size_t>(k)].SetCurSel(fixed ? analog_scale::ValueIndex(unit, v.number, false) : -1);
    }
}

void CAnalogfunc::OnErgebnisWert()
{
    const int index = m_result.GetCurSel();
    if (index >= 0 && Record()[offsetof(R, offResult.kind)] == 0)
        Record()[offsetof(R, offResult.number)] = analog_scale::ValueOf(ReadField(Record(), kUnitField), index, true);
}

void CAnalogfunc::OnVariablenWert()
{
    BYTE* r = Record();
    const long unit = ReadField(r, kUnitField);
    for (int k = 0; k < kVariables; ++k) {
        // A list without selection (a variable connected or not in use) keeps its byte.
        const int index = m_values[static_cast<size_t>(k)].GetCurSel();
        const size_t first = offsetof(R, variables) + static_cast<size_t>(k) * sizeof(R::Variable);
        if (index >= 0 && r[first] == 0)
            r[first + 1] = analog_scale::ValueOf(unit, index, false);
    }
}

void CAnalogfunc::OnVariable(UINT id)
{
    for (int k = 1; k < kVariables; ++k) {
        if (kChecks[k] != id)
            continue;
        const bool checked = IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED;
        Record()[offsetof(R, variableCount)] = static_cast<BYTE>(checked ? k + 1 : k);
        ShowRecord(false);
        return;
    }
    OnValueClick(id);
}
