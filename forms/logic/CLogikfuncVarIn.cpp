// The logic function's input-variable form: the release and the six data inputs.
#include "forms/logic/CLogikfuncVarIn.h"

#include "forms/logic/CLogikfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CLogikfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = LogikfuncParam;

// The release takes a fixed state; a data input without a source is not used and shows no mode.
InputRow DataInput(int i, UINT heading, UINT source, UINT kind, UINT number, UINT variable, UINT modeLabel,
                   UINT modeCombo)
{
    const auto first = static_cast<unsigned>(offsetof(R, inputs) + static_cast<size_t>(i - 1) * sizeof(DigitalQuelle));
    return {ui::kLogikDataInput, i,   heading, source, InputKind::Digital, first,     first + 1,
            first + 2,           1,   kind,    number, variable,           modeLabel, modeCombo,
            ModeRule::Optional,  true};
}

const std::vector<InputRow> kInputs = {
    {ui::kLogikReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    DataInput(1, 1461, 1453, 1201, 1222, 1210, 1522, 1525),
    DataInput(2, 1462, 1455, 1319, 1241, 1334, 1083, 1086),
    DataInput(3, 1463, 1457, 1346, 1355, 1367, 1528, 1531),
    DataInput(4, 1464, 1458, 1328, 1270, 1338, 1534, 1535),
    DataInput(5, 1465, 1459, 1325, 1295, 1342, 1536, 1537),
    DataInput(6, 1466, 1460, 1375, 1383, 1386, 1538, 1539),
};

}  // namespace

CLogikfuncVarIn::CLogikfuncVarIn() : FunctionVarInForm(CLogikfunc::kKind, kInputs, &CLogikfunc::Instance)
{}
