// The heat meter's input-variable form: the release, the two temperatures, the flow and the counter reset.
#include "forms/solar/CWMZVarIn.h"

#include "forms/solar/CWMZ.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/WMZParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CWMZVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = WMZParam;

// An unconnected flow shows nothing: its fixed value is the parameter form's. An unconnected counter reset is not
// used and shows no mode.
const std::vector<InputRow> kInputs = {
    {ui::kWmzReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kWmzFlowTempInput, 0, 1356, 1351, InputKind::Analog, offsetof(R, flowTemp.kind), 0,
     offsetof(R, flowTemp.number), 1, 1289, 1292, 1294},
    {ui::kWmzReturnTempInput, 0, 1742, 1741, InputKind::Analog, offsetof(R, returnTemp.kind), 0,
     offsetof(R, returnTemp.number), 1, 1296, 1299, 1301},
    {ui::kWmzFlowInput, 0, 1744, 1743, InputKind::Analog, offsetof(R, flowRate.kind), 0,
     offsetof(R, flowRate.number), 0, 1303, 1306, 1309},
    {ui::kWmzResetInput, 0, 1746, 1745, InputKind::Digital, offsetof(R, reset.kind), offsetof(R, reset.inverted),
     offsetof(R, reset.number), 1, 1311, 1313, 1315, 1190, 1194, ModeRule::Optional, true},
};

}  // namespace

CWMZVarIn::CWMZVarIn() : FunctionVarInForm(CWMZ::kKind, kInputs, &CWMZ::Instance) {}
