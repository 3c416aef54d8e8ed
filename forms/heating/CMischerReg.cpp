// The mixer control's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/heating/CMischerReg.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CMischerRegVarIn.h"
#include "forms/heating/CMischerRegVarOut.h"

#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/MischerRegParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(MischerReg)

namespace {

using namespace forms;
using R = MischerRegParam;
using Rows = FieldTable<record::kMischerRegFields>;

const std::vector<LayoutGroup> kLayout = {
    {IDC_MISCHER_TEMP_GROUP, ui::kMischerTempGroup,
     {{IDC_MISCHER_SETPOINT_LABEL, ui::kMischerSetpointLabel, IDC_MISCHER_SETPOINT, ControlKind::Combo,
       ui::kUnitDegrees},
      {IDC_MISCHER_DIFFERENCE_LABEL, ui::kMischerDifferenceLabel, IDC_MISCHER_DIFFERENCE, ControlKind::Combo,
       ui::kUnitKelvin}}},
    {0, nullptr,
     {{IDC_MISCHER_MODE_LABEL, ui::kMischerModeLabel, IDC_MISCHER_NORMAL, ControlKind::Radios, nullptr,
       {{IDC_MISCHER_NORMAL, ui::kModeNormal}, {IDC_MISCHER_INVERSE, ui::kModeInverted}}},
      {IDC_MISCHER_RELEASE_OFF, ui::kMischerReleaseOff},
      {IDC_MISCHER_OFF_ACTION_LABEL, ui::kMischerOffActionLabel, IDC_MISCHER_OFF_ACTION, ControlKind::Combo}}},
};

const std::vector<ValueControl> kValues = {
    // OnSollwert: the fixed setpoint counts only while no source gives it.
    RangeControl(IDC_MISCHER_SETPOINT, Rows::Row(offsetof(R, setpoint.number)),
                 {false, RECORD_FIELD(R, setpoint.kind), 0}),
    // OnDifferenz: the difference list of the field's range, without the three lowest codes.
    RangeControl(IDC_MISCHER_DIFFERENCE, Rows::Row(offsetof(R, difference))),
    // OnRegelModus: normal or inverse; any stored value but 0 shows as inverse.
    {IDC_MISCHER_NORMAL, Edits(Rows::Row(offsetof(R, inverse))), 0, {}, {}, false, 1},
    // OnMischerAus: the low 4 bits of the word; the other bits stay as they are.
    {IDC_MISCHER_OFF_ACTION, RECORD_BITS(R, offAction, 4), 0, {{}, ui::kMischerOffActions}},
};

}  // namespace

const forms::FunctionKind CMischerReg::kKind {texts::kTypeMischerReg, ui::kTitleMischerReg, false};

CMischerReg::CMischerReg() : FunctionParamForm({kKind, kLayout, kValues}) {}
