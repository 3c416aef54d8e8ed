// The boiler cascade's input-variable form: the three releases (the third in use only with three boilers), the
// flow temperature, and the requests that take part, chosen from the heating and hot-water requests of the set.
#include "forms/heating/CKesselkaskadeVarIn.h"

#include "forms/heating/CKesselkaskade.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/KesselkaskadeParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CKesselkaskadeVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = KesselkaskadeParam;
using Rows = FieldTable<record::kKesselkaskadeFields>;

InputRow Stage(const char* name, UINT heading, UINT source, unsigned kindField, UINT kind, UINT number, UINT variable,
               UINT modeLabel, UINT mode)
{
    InputRow row{name, 0,    heading, source,   InputKind::Digital, kindField, kindField + 1,       kindField + 2,
                 0,    kind, number,  variable, modeLabel,          mode,      ModeRule::FixedState};
    row.headingFormat = ui::kInputHeadingTwoLines;
    return row;
}

std::vector<InputRow> Inputs()
{
    std::vector<InputRow> rows = {
        {ui::kKaskReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
         offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
         IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
        Stage(ui::kKaskRelease2Input, 1419, 1418, offsetof(R, release2.kind), 1458, 1459, 1518, 1519, 1520),
        Stage(ui::kKaskRelease3Input, 1421, 1420, offsetof(R, release3.kind), 1455, 1457, 1515, 1516, 1517),
        AnalogInput(ui::kKaskFlowInput, 1356, 1351, offsetof(R, flowTemp.kind), 1289, 1292, 1294),
    };
    // The third stage only with three boilers, looked at on every activation.
    rows[2].inUse = {false, Edits(Rows::Row(offsetof(R, boilerCount))), 3};
    rows[3].notUsed = 1;
    rows[3].headingFormat = ui::kInputHeadingTwoLines;
    return rows;
}

const std::vector<InputRow> kInputs = Inputs();

// One to six requests, the count list's numbers without blanks.
const ParticipantLists kParticipants{1422, ui::kKaskCountLabel, 1205, 1, 1423, ui::kParticipatingFunctions,
                                     {1209, 1212, 1216, 1220, 1224, 1228}, 0};

}  // namespace

CKesselkaskadeVarIn::CKesselkaskadeVarIn()
    : FunctionVarInForm(CKesselkaskade::kKind, kInputs, &CKesselkaskade::Instance, &kParticipants)
{}
