// The heating-circuit controller's input-variable form: the releases of the circuit, its pump and its mixer, the
// room, flow and outside temperatures and the external switch, whose mode list shows only while it is connected.
#include "forms/heating/CHzkrRegVarIn.h"

#include "forms/heating/CHzkrReg.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/HzkrRegParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CHzkrRegVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = HzkrRegParam;

InputRow Release(const char* name, UINT heading, UINT source, unsigned kindField, UINT kind, UINT number, UINT variable,
                 UINT modeLabel, UINT mode)
{
    return {name, 0,    heading, source,   InputKind::Digital, kindField, kindField + 1,       kindField + 2,
            0,    kind, number,  variable, modeLabel,          mode,      ModeRule::FixedState};
}

InputRow Temperature(const char* name, UINT heading, UINT source, unsigned kindField, UINT kind, UINT number,
                     UINT variable)
{
    InputRow row = AnalogInput(name, heading, source, kindField, kind, number, variable);
    row.notUsed = 1;
    return row;
}

const std::vector<InputRow> kInputs = {
    Release(ui::kHzkrReleaseInput, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, offsetof(R, release.kind),
            IDC_RELEASE_KIND, IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE),
    Release(ui::kLadeReleaseInput, 1353, 1348, offsetof(R, pumpRelease.kind), 1115, 1121, 1118, 1517, 1520),
    Release(ui::kMischerReleaseInput, 1354, 1349, offsetof(R, mixerRelease.kind), 1124, 1130, 1127, 1523, 1526),
    Temperature(ui::kHzkrRoomInput, 1355, 1350, offsetof(R, roomTemp.kind), 1133, 1138, 1136),
    Temperature(ui::kKaskFlowInput, 1356, 1351, offsetof(R, flowTemp.kind), 1289, 1292, 1294),
    Temperature(ui::kHzkrOutsideInput, 1357, 1352, offsetof(R, outsideTemp.kind), 1141, 1146, 1143),
    {ui::kAnfwSwitchInput, 0, 1291, 1288, InputKind::Digital, offsetof(R, externalSwitch.kind),
     offsetof(R, externalSwitch.inverted), offsetof(R, externalSwitch.number), 1, 1149, 1154, 1152, 1529, 1532,
     ModeRule::Optional, true},
};

}  // namespace

CHzkrRegVarIn::CHzkrRegVarIn() : FunctionVarInForm(CHzkrReg::kKind, kInputs, &CHzkrReg::Instance)
{}
