// The profile function's input-variable form: the release, the setpoint while the release is off, and start,
// stop, reset and clock.
#include "forms/logic/CProfilfuncVarIn.h"

#include "forms/logic/CProfilfunc.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/ProfilfuncParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CProfilfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = ProfilfuncParam;

// Start, stop, reset and clock have no fixed state: open, they show no mode.
InputRow Control(const char* name, unsigned first, UINT heading, UINT source, UINT kind, UINT number, UINT variable,
                 UINT modeLabel, UINT modeCombo)
{
    return {name, 0,    heading, source,   InputKind::Digital, first,     first + 1,          first + 2,
            0,    kind, number,  variable, modeLabel,          modeCombo, ModeRule::Optional, true};
}

const std::vector<InputRow> kInputs = {
    {ui::kProfilReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kProfilOffValueInput, 0, 1653, 1652, InputKind::Analog, offsetof(R, offValue.kind), 0,
     offsetof(R, offValue.number), 0, 1455, 1457, 1515},
    Control(ui::kProfilStartInput, offsetof(R, start), 1655, 1654, 1098, 1099, 1100, 1415, 1416),
    Control(ui::kProfilStopInput, offsetof(R, stop), 1657, 1656, 1101, 1102, 1103, 1417, 1418),
    Control(ui::kProfilResetInput, offsetof(R, reset), 1659, 1658, 1104, 1105, 1106, 1419, 1420),
    Control(ui::kProfilClockInput, offsetof(R, clock), 1661, 1660, 1107, 1108, 1109, 1421, 1422),
};

}  // namespace

CProfilfuncVarIn::CProfilfuncVarIn() : FunctionVarInForm(CProfilfunc::kKind, kInputs, &CProfilfunc::Instance)
{}
