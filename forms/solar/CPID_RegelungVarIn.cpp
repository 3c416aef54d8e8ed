// The PID control's input-variable form: the release and the eight temperatures, setpoints and thresholds of its
// three regulations.
#include "forms/solar/CPID_RegelungVarIn.h"

#include "forms/solar/CPID_Regelung.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/PID_RegelungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CPID_RegelungVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = PID_RegelungParam;

// A value source by its heading text; a measured temperature reads "non usato" while unconnected, a setpoint or
// threshold (whose fixed value the parameter form edits) shows nothing.
InputRow Value(int k, unsigned kindField, BYTE notUsed, UINT kind, UINT number, UINT variable)
{
    const UINT heading = 1568 + 2 * static_cast<UINT>(k);
    InputRow row {ui::kPidInputs[k], 0, heading, heading - 1, InputKind::Analog, kindField, 0, kindField + 1,
                  notUsed, kind, number, variable};
    row.headingFormat = ui::kInputHeadingTwoLines;
    return row;
}

const std::vector<InputRow> kInputs = {
    {ui::kPidReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    Value(0, offsetof(R, absActual), 1, 1341, 1343, 1345),
    Value(1, offsetof(R, absSetpoint), 0, 1348, 1350, 1353),
    Value(2, offsetof(R, diffPlus), 1, 1356, 1358, 1362),
    Value(3, offsetof(R, diffMinus), 1, 1329, 1331, 1333),
    Value(4, offsetof(R, eventActivation), 1, 1366, 1368, 1370),
    Value(5, offsetof(R, eventThreshold), 0, 1372, 1374, 1376),
    Value(6, offsetof(R, eventControlled), 1, 1335, 1337, 1339),
    Value(7, offsetof(R, eventSetpoint), 0, 1378, 1380, 1382),
};

}  // namespace

CPID_RegelungVarIn::CPID_RegelungVarIn() : FunctionVarInForm(CPID_Regelung::kKind, kInputs, &CPID_Regelung::Instance)
{
}
