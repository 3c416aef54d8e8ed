// The logic function's forms: its tables for the function form frame.
#include "forms/logic/CLogikfunc.h"

#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"
#include "texttables/StandardDesignations.h"

IMPLEMENT_DYNCREATE(CLogikfunc, FunctionParamForm)
IMPLEMENT_DYNCREATE(CLogikfuncVarIn, FunctionVarInForm)
IMPLEMENT_DYNCREATE(CLogikfuncVarOut, FunctionVarOutForm)

CLogikfunc* g_pLogikfunc = nullptr;

namespace {

using namespace forms;
using R = LogikfuncParam;

const FunctionKind kKind {texts::kTypeLogikfunc, ui::kTitleLogikfunc, false};

// OnFunktion: the four radio buttons are one group; the checked one is the operation.
const std::vector<LayoutGroup> kLayout = {
    {IDC_LOGIK_FUNCTION_GROUP, ui::kLogikFunctionGroup,
     {{0, nullptr, IDC_LOGIK_OFF, ControlKind::Radios, nullptr,
       {{IDC_LOGIK_OFF, ui::kLogikFunctions[0]}, {IDC_LOGIK_OR, ui::kLogikFunctions[1]},
        {IDC_LOGIK_AND, ui::kLogikFunctions[2]}, {IDC_LOGIK_FLIPFLOP, ui::kLogikFunctions[3]}}}}},
};

const std::vector<ValueControl> kValues = {
    {IDC_LOGIK_OFF, FORM_FIELD(R, function), 0},
};

// The release takes a fixed state; a data input without a source is not used and shows no mode.
InputRow DataInput(int i, UINT heading, UINT source, UINT kind, UINT number, UINT variable, UINT modeLabel,
                   UINT modeCombo)
{
    const unsigned first = static_cast<unsigned>(offsetof(R, inputs) + static_cast<size_t>(i - 1) * sizeof(DigitalQuelle));
    return {ui::kLogikDataInput, i, heading, source, InputKind::Digital, first, first + 1, first + 2, 1, kind, number,
            variable, modeLabel, modeCombo, ModeRule::Optional, true};
}

const std::vector<InputRow> kInputs = {
    {ui::kLogikReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital, offsetof(R, release.kind),
     offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND, IDC_RELEASE_NUMBER,
     IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE,
     ModeRule::FixedState},
    DataInput(1, 1461, 1453, 1201, 1222, 1210, 1522, 1525),
    DataInput(2, 1462, 1455, 1319, 1241, 1334, 1083, 1086),
    DataInput(3, 1463, 1457, 1346, 1355, 1367, 1528, 1531),
    DataInput(4, 1464, 1458, 1328, 1270, 1338, 1534, 1535),
    DataInput(5, 1465, 1459, 1325, 1295, 1342, 1536, 1537),
    DataInput(6, 1466, 1460, 1375, 1383, 1386, 1538, 1539),
};

constexpr UINT kResultBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                   1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};
constexpr UINT kInvertedBoxes[16] = {1251, 1253, 1255, 1257, 1259, 1261, 1263, 1266,
                                     1269, 1271, 1273, 1275, 1278, 1511, 1281, 1282};

const std::vector<OutputGroup> kOutputs = {
    {IDC_LOGIK_RESULT_GROUP, ui::kLogikResult, SixteenOutputs(kResultBoxes, offsetof(R, result))},
    {IDC_LOGIK_INVERTED_GROUP, ui::kLogikResultInverted, SixteenOutputs(kInvertedBoxes, offsetof(R, inverted))},
};

FunctionParamForm* ParamForm()
{
    return g_pLogikfunc;
}

}  // namespace

CLogikfunc::CLogikfunc() : FunctionParamForm({kKind, kLayout, kValues}) {}

CView* CLogikfunc::CreateForm()
{
    return new CLogikfunc;
}

CView* CLogikfunc::CreateVarIn()
{
    return new CLogikfuncVarIn;
}

CView* CLogikfunc::CreateVarOut()
{
    return new CLogikfuncVarOut;
}

void CLogikfunc::Publish(CView* form)
{
    g_pLogikfunc = dynamic_cast<CLogikfunc*>(form);
}

void CLogikfunc::Save()
{
    if (g_pLogikfunc)
        g_pLogikfunc->SaveAndExit();
}

CLogikfuncVarIn::CLogikfuncVarIn() : FunctionVarInForm(kKind, kInputs, &ParamForm) {}

CLogikfuncVarOut::CLogikfuncVarOut() : FunctionVarOutForm(kKind, kOutputs, &ParamForm) {}
