// The mixer control's forms: its tables for the function form frame.
#include "forms/heating/CMischerReg.h"

#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/MischerRegParam.h"
#include "texttables/StandardDesignations.h"

IMPLEMENT_DYNCREATE(CMischerReg, FunctionParamForm)
IMPLEMENT_DYNCREATE(CMischerRegVarIn, FunctionVarInForm)
IMPLEMENT_DYNCREATE(CMischerRegVarOut, FunctionVarOutForm)

CMischerReg* g_pMischerReg = nullptr;

namespace {

using namespace forms;
using R = MischerRegParam;

const FunctionKind kKind {texts::kTypeMischerReg, ui::kTitleMischerReg, false};

const std::vector<LayoutGroup> kLayout = {
    {IDC_MISCHER_TEMP_GROUP, ui::kMischerTempGroup,
     {{IDC_MISCHER_SETPOINT_LABEL, ui::kMischerSetpointLabel, IDC_MISCHER_SETPOINT, ControlKind::Combo, ui::kUnitDegrees},
      {IDC_MISCHER_DIFFERENCE_LABEL, ui::kMischerDifferenceLabel, IDC_MISCHER_DIFFERENCE, ControlKind::Combo, ui::kUnitKelvin}}},
    {0, nullptr,
     {{IDC_MISCHER_MODE_LABEL, ui::kMischerModeLabel, IDC_MISCHER_NORMAL, ControlKind::Radios, nullptr,
       {{IDC_MISCHER_NORMAL, ui::kModeNormal}, {IDC_MISCHER_INVERSE, ui::kModeInverted}}},
      {IDC_MISCHER_RELEASE_OFF, ui::kMischerReleaseOff},
      {IDC_MISCHER_OFF_ACTION_LABEL, ui::kMischerOffActionLabel, IDC_MISCHER_OFF_ACTION, ControlKind::Combo}}},
};

const std::vector<ValueControl> kValues = {
    // OnSollwert: the fixed setpoint counts only while no source gives it.
    {IDC_MISCHER_SETPOINT, FORM_FIELD(R, setpoint.number), 0, {resources::TemperatureList().items},
     {false, FORM_FIELD(R, setpoint.kind), 0}},
    // OnDifferenz: the difference list without its three lowest codes.
    {IDC_MISCHER_DIFFERENCE, FORM_SIGNED(R, difference), -125, {resources::DifferenceList(-125, 127).items}},
    // OnRegelModus: normal or inverse; any stored value but 0 shows as inverse.
    {IDC_MISCHER_NORMAL, FORM_FIELD(R, inverse), 0, {}, {}, false, 1},
    // OnMischerAus: the low 4 bits of the word; the other bits stay as they are.
    {IDC_MISCHER_OFF_ACTION, FORM_BITS(R, offAction, 4), 0, {{}, ui::kMischerOffActions}},
};

const std::vector<InputRow> kInputs = {
    {ui::kMischerReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital, offsetof(R, release.kind),
     offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND, IDC_RELEASE_NUMBER,
     IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE,
     ModeRule::FixedState},
    {ui::kMischerControlTempInput, 0, IDC_MISCHER_CONTROL_HEADING, IDC_MISCHER_CONTROL_SOURCE_LABEL, InputKind::Analog, offsetof(R, controlTemp.kind), 0,
     offsetof(R, controlTemp.number), 0, IDC_MISCHER_CONTROL_KIND, IDC_MISCHER_CONTROL_NUMBER,
     IDC_MISCHER_CONTROL_VARIABLE},
    {ui::kMischerSetpointInput, 0, IDC_MISCHER_SETPOINT_HEADING, IDC_MISCHER_SETPOINT_SOURCE_LABEL, InputKind::Analog, offsetof(R, setpoint.kind), 0,
     offsetof(R, setpoint.number), 0, IDC_MISCHER_SETPOINT_KIND, IDC_MISCHER_SETPOINT_NUMBER,
     IDC_MISCHER_SETPOINT_VARIABLE},
};

// One mixer pair by its first output, or none.
const std::vector<OutputGroup> kOutputs = {
    {IDC_MISCHER_OUTPUT_GROUP, ui::kMischerOutput,
     {{IDC_MISCHER_OUTPUT_NONE, BoxLabel::None, 0, {}, -1, true},
      {IDC_MISCHER_OUTPUT_3, BoxLabel::Pair, 3, FORM_FIELD(R, outputs), kMischer3},
      {IDC_MISCHER_OUTPUT_8, BoxLabel::Pair, 8, FORM_FIELD(R, outputs), kMischer8},
      {IDC_MISCHER_OUTPUT_10, BoxLabel::Pair, 10, FORM_FIELD(R, outputs), kMischer10},
      {IDC_MISCHER_OUTPUT_12, BoxLabel::Pair, 12, FORM_FIELD(R, outputs), kMischer12}}},
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
