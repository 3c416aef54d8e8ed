// The circulation's input-variable form: the release, the return and hot-water temperatures, the setpoint and the
// storage temperature; the hot-water and storage temperatures count as not used while unconnected.
#include "forms/heating/CZirkulationVarIn.h"

#include "forms/heating/CZirkulation.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/ZirkulationParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CZirkulationVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = ZirkulationParam;

InputRow Optional(InputRow row)
{
    row.notUsed = 1;
    return row;
}

const std::vector<InputRow> kInputs = {
    {ui::kZirkReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    AnalogInput(ui::kZirkReturnInput, 1742, 1741, offsetof(R, returnTemp.kind), 1296, 1299, 1301),
    Optional(AnalogInput(ui::kAnfwHotWaterInput, 1760, 1759, offsetof(R, hotWaterTemp.kind), 1111, 1114, 1117)),
    AnalogInput(ui::kZirkSetpointInput, 1762, 1761, offsetof(R, setpoint.kind), 1120, 1123, 1126),
    Optional(AnalogInput(ui::kZirkStoreInput, 1764, 1763, offsetof(R, storeTemp.kind), 1129, 1132, 1135)),
};

}  // namespace

CZirkulationVarIn::CZirkulationVarIn() : FunctionVarInForm(CZirkulation::kKind, kInputs, &CZirkulation::Instance)
{}
