// The mixer control's forms: its tables for the function form frame.
#include "forms/heating/CMischerReg.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/MischerRegParam.h"
#include "texts/StandardDesignations.h"

IMPLEMENT_DYNCREATE(CMischerReg, FunctionParamForm)
IMPLEMENT_DYNCREATE(CMischerRegVarIn, FunctionVarInForm)
IMPLEMENT_DYNCREATE(CMischerRegVarOut, FunctionVarOutForm)

CMischerReg* g_pMischerReg = nullptr;

namespace {

using namespace forms;
using R = MischerRegParam;

const FunctionKind kKind {texts::kTypeMischerReg, ui::kTitleMischerReg, false};

const std::vector<LayoutGroup> kLayout = {
    {1479, ui::kMischerTempGroup,
     {{1477, ui::kMischerSetpointLabel, 1490, ControlKind::Combo, ui::kUnitDegrees},
      {1478, ui::kMischerDifferenceLabel, 1491, ControlKind::Combo, ui::kUnitKelvin}}},
    {0, nullptr,
     {{1476, ui::kMischerModeLabel, 1390, ControlKind::Radios, nullptr,
       {{1390, ui::kModeNormal}, {1043, ui::kModeInverted}}},
      {1480, ui::kMischerReleaseOff},
      {1481, ui::kMischerOffActionLabel, 1317, ControlKind::Combo}}},
};

const std::vector<ValueControl> kValues = {
    // OnSollwert: the fixed setpoint counts only while no source gives it.
    {1490, FORM_FIELD(R, setpoint.number), 0, {resources::TemperatureList().items},
     {false, FORM_FIELD(R, setpoint.kind), 0}},
    // OnDifferenz: the difference list without its three lowest codes.
    {1491, FORM_SIGNED(R, difference), -125, {resources::DifferenceList(-125, 127).items}},
    // OnRegelModus: normal or inverse; any stored value but 0 shows as inverse.
    {1390, FORM_FIELD(R, inverse), 0, {}, {}, false, 1},
    // OnMischerAus: the low 4 bits of the word; the other bits stay as they are.
    {1317, FORM_BITS(R, offAction, 4), 0, {{}, ui::kMischerOffActions}},
};

const std::vector<InputRow> kInputs = {
    {ui::kMischerReleaseInput, 0, 1276, 1271, InputKind::Digital, offsetof(R, release.kind),
     offsetof(R, release.inverted), offsetof(R, release.number), 0, 1454, 1456, 1514, 1512, 1513,
     ModeRule::FixedState},
    {ui::kMischerControlTempInput, 0, 1483, 1482, InputKind::Analog, offsetof(R, controlTemp.kind), 0,
     offsetof(R, controlTemp.number), 0, 1312, 1316, 1318},
    {ui::kMischerSetpointInput, 0, 1485, 1484, InputKind::Analog, offsetof(R, setpoint.kind), 0,
     offsetof(R, setpoint.number), 0, 1321, 1323, 1324},
};

// One mixer pair by its first output, or none.
const std::vector<OutputGroup> kOutputs = {
    {1358, ui::kMischerOutput,
     {{1288, BoxLabel::None, 0, {}, -1, true},
      {1293, BoxLabel::Pair, 3, FORM_FIELD(R, outputs), kMischer3},
      {1298, BoxLabel::Pair, 8, FORM_FIELD(R, outputs), kMischer8},
      {1302, BoxLabel::Pair, 10, FORM_FIELD(R, outputs), kMischer10},
      {1307, BoxLabel::Pair, 12, FORM_FIELD(R, outputs), kMischer12}}},
};

FunctionParamForm* ParamForm()
{
    return g_pMischerReg;
}

}  // namespace

CMischerReg::CMischerReg() : FunctionParamForm({kKind, kLayout, kValues}) {}

CView* CMischerReg::CreateForm()
{
    return new CMischerReg;
}

CView* CMischerReg::CreateVarIn()
{
    return new CMischerRegVarIn;
}

CView* CMischerReg::CreateVarOut()
{
    return new CMischerRegVarOut;
}

void CMischerReg::Publish(CView* form)
{
    g_pMischerReg = dynamic_cast<CMischerReg*>(form);
}

void CMischerReg::Save()
{
    if (g_pMischerReg)
        g_pMischerReg->SaveAndExit();
}

CMischerRegVarIn::CMischerRegVarIn() : FunctionVarInForm(kKind, kInputs, &ParamForm) {}

CMischerRegVarOut::CMischerRegVarOut() : FunctionVarOutForm(kKind, kOutputs, &ParamForm) {}
