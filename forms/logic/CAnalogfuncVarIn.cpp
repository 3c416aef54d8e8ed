// The analog function's input-variable form: the inputs and the offsets of the connected ones.
#include "forms/logic/CAnalogfuncVarIn.h"

#include "forms/logic/AnalogScale.h"
#include "forms/logic/CAnalogfunc.h"
#include "forms/logic/UnitLists.h"
#include "platform/CComboBox.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/AnalogfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CAnalogfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = AnalogfuncParam;

constexpr UINT kResultOffset = 1516;
constexpr int kOffsets = 7;  // the result while the release is off, then data inputs 1 to 6
constexpr UINT kOffsetLabels[kOffsets] = {1515, 1177, 1182, 1184, 1186, 1188, 1190};
constexpr UINT kOffsetCombos[kOffsets] = {kResultOffset, 1181, 1183, 1185, 1187, 1189, 1191};
constexpr UINT kOffsetUnits[kOffsets] = {1173, 1174, 1175, 1176, 1178, 1179, 1180};

unsigned First(int i)
{
    return static_cast<unsigned>(offsetof(R, variables) + static_cast<size_t>(i - 1) * sizeof(R::Variable));
}

// Data input i; inputs 2 to 6 read "non usato" while open and beyond the number in use.
InputRow Data(int i, UINT heading, UINT source, UINT kind, UINT number, UINT variable)
{
    InputRow row{ui::kLogikDataInput, i, heading, source, InputKind::Analog, First(i),         0,
                 First(i) + 1,        0, kind,    number, variable,          kOffsetLabels[i], kOffsetCombos[i]};
    if (i > 1)
        row.inUse = {false, record::ByteAt(First(i)), 0, true};
    row.unitId = kOffsetUnits[i];
    return row;
}

std::vector<InputRow> Inputs()
{
    InputRow result{ui::kAnalogOffResultInput,
                    0,
                    1250,
                    1242,
                    InputKind::Analog,
                    offsetof(R, offResult.kind),
                    0,
                    offsetof(R, offResult.number),
                    0,
                    1518,
                    1530,
                    1459,
                    kOffsetLabels[0],
                    kOffsetCombos[0]};
    result.unitId = kOffsetUnits[0];
    return {
        {ui::kAnalogReleaseInput, 0, 1249, 1240, InputKind::Digital, offsetof(R, release.kind),
         offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND, IDC_RELEASE_NUMBER,
         IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
        result,
        Data(1, 1251, 1243, 1201, 1222, 1210),
        Data(2, 1252, 1244, 1319, 1241, 1334),
        Data(3, 1253, 1245, 1346, 1355, 1367),
        Data(4, 1254, 1246, 1328, 1270, 1338),
        Data(5, 1255, 1247, 1325, 1295, 1342),
        Data(6, 1256, 1248, 1375, 1383, 1386),
    };
}

const std::vector<InputRow> kInputs = Inputs();

// Where offset k (0 the result, i data input i) is stored, and whether it counts: the source connected and, for
// data inputs 2 to 6, in use.
size_t OffsetField(int k)
{
    return k == 0 ? offsetof(R, offResultOffset) : First(k) + 2;
}

bool OffsetShown(const BYTE* r, int k)
{
    if (k == 0)
        return r[offsetof(R, offResult.kind)] != 0;
    return r[First(k)] != 0 && (k == 1 || r[offsetof(R, variableCount)] >= k);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAnalogfuncVarIn, FunctionVarInForm)
ON_CBN_SELENDOK(kOffsetCombos[0], OnErgebnisOffset)
ON_CBN_SELENDOK(kOffsetCombos[1], OnVariablenOffset)
ON_CBN_SELENDOK(kOffsetCombos[2], OnVariablenOffset)
ON_CBN_SELENDOK(kOffsetCombos[3], OnVariablenOffset)
ON_CBN_SELENDOK(kOffsetCombos[4], OnVariablenOffset)
ON_CBN_SELENDOK(kOffsetCombos[5], OnVariablenOffset)
ON_CBN_SELENDOK(kOffsetCombos[6], OnVariablenOffset)
END_MESSAGE_MAP()

CAnalogfuncVarIn::CAnalogfuncVarIn() : FunctionVarInForm(CAnalogfunc::kKind, kInputs, &CAnalogfunc::Instance)
{}

// Connected (the rule) or within the number in use.
bool CAnalogfuncVarIn::InputInUse(const forms::InputRow& input, const BYTE* record) const
{
    for (int i = 2; i <= CAnalogfunc::kVariables; ++i)
        if (input.kindField == First(i))
            return record[First(i)] != 0 || record[offsetof(R, variableCount)] >= i;
    return true;
}

void CAnalogfuncVarIn::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    FunctionVarInForm::OnActivateView(activate, activateView, deactiveView);
    if (activate)
        ShowOffsets();
}

void CAnalogfuncVarIn::ShowOffsets()
{
    if (!g_pAnalogfunc)
        return;
    const BYTE* r = g_pAnalogfunc->Record();
    const long unit = r[offsetof(R, unit)];
    const std::vector<CString> items = analog_scale::OffsetItems(unit);
    for (int k = 0; k < kOffsets; ++k) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(kOffsetCombos[k])));
        if (!combo)
            continue;
        FillList(*combo, items);
        const bool shown = OffsetShown(r, k);
        combo->ShowWindow(shown ? SW_SHOW : SW_HIDE);
        combo->SetCurSel(shown ? analog_scale::OffsetIndex(unit, r[OffsetField(k)]) : -1);
        SetDlgItemText(static_cast<int>(kOffsetLabels[k]), shown ? ui::kAnalogOffset : "");
        SetDlgItemText(static_cast<int>(kOffsetUnits[k]), shown ? ui::kQuantityUnits[unit] : "");
    }
    // The offsets of a temperature are kelvins.
    if (unit == 1)
        for (int k = 0; k < kOffsets; ++k)
            if (OffsetShown(r, k))
                SetDlgItemText(static_cast<int>(kOffsetUnits[k]), ui::kUnitKelvin);
}

void CAnalogfuncVarIn::OnErgebnisOffset()
{
    OnVariablenOffset();
}

void CAnalogfuncVarIn::OnVariablenOffset()
{
    if (!g_pAnalogfunc)
        return;
    BYTE* r = g_pAnalogfunc->Record();
    const long unit = r[offsetof(R, unit)];
    for (int k = 0; k < kOffsets; ++k) {
        const auto* combo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(kOffsetCombos[k])));
        // Only a shown list with a selection stores.
        if (!combo || !OffsetShown(r, k) || combo->GetCurSel() < 0)
            continue;
        r[OffsetField(k)] = analog_scale::OffsetOf(unit, combo->GetCurSel());
    }
}
