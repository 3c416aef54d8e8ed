// The charge pump's parameter form: the feed side, the reference side and the difference between them, each with
// its switch-on and switch-off difference, and the fixed minimum and maximum while no source gives them.
#include "forms/heating/CLadepumpe.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CLadepumpeVarIn.h"
#include "forms/heating/CLadepumpeVarOut.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/LadepumpeParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Ladepumpe)

namespace {

using namespace forms;
using R = LadepumpeParam;
using Rows = FieldTable<record::kLadepumpeFields>;

const std::vector<LayoutGroup> kLayout = {
    {IDC_LADE_SOURCE_GROUP,
     ui::kLadeSourceGroup,
     {ComboRow(IDC_LADE_SOURCE_MIN_LABEL, ui::kLadeSourceMin, IDC_LADE_SOURCE_MIN, ui::kUnitDegrees),
      ComboRow(IDC_LADE_SOURCE_ON_LABEL, ui::kDiffOn, IDC_LADE_SOURCE_ON, ui::kUnitKelvin),
      ComboRow(IDC_LADE_SOURCE_OFF_LABEL, ui::kDiffOff, IDC_LADE_SOURCE_OFF, ui::kUnitKelvin)}},
    {IDC_LADE_REF_GROUP,
     ui::kLadeRefGroup,
     {ComboRow(IDC_LADE_REF_MAX_LABEL, ui::kLadeRefMax, IDC_LADE_REF_MAX, ui::kUnitDegrees),
      ComboRow(IDC_LADE_REF_ON_LABEL, ui::kDiffOn, IDC_LADE_REF_ON, ui::kUnitKelvin),
      ComboRow(IDC_LADE_REF_OFF_LABEL, ui::kDiffOff, IDC_LADE_REF_OFF, ui::kUnitKelvin)}},
    {IDC_LADE_DIFF_GROUP,
     ui::kLadeDiffGroup,
     {ComboRow(IDC_LADE_DIFF_ON_LABEL, ui::kDiffOn, IDC_LADE_DIFF_ON, ui::kUnitKelvin),
      ComboRow(IDC_LADE_DIFF_OFF_LABEL, ui::kDiffOff, IDC_LADE_DIFF_OFF, ui::kUnitKelvin)}},
};

// Every difference re-shows: the repair puts a switch-off difference on its side of the switch-on one at once.
ValueControl Difference(UINT id, record::FieldRef field)
{
    return DifferenceControl(id, field, true);
}

const std::vector<ValueControl> kValues = {
    {IDC_LADE_SOURCE_MIN,
     Edits(Rows::Row(offsetof(R, sourceMin.number))),
     0,
     {resources::TemperatureList().items},
     {false, RECORD_FIELD(R, sourceMin.kind), 0}},
    Difference(IDC_LADE_SOURCE_ON, Edits(Rows::Row(offsetof(R, minDiffOn)))),
    Difference(IDC_LADE_SOURCE_OFF, Edits(Rows::Row(offsetof(R, minDiffOff)))),
    {IDC_LADE_REF_MAX,
     Edits(Rows::Row(offsetof(R, referenceMax.number))),
     0,
     {resources::TemperatureList().items},
     {false, RECORD_FIELD(R, referenceMax.kind), 0}},
    Difference(IDC_LADE_REF_ON, Edits(Rows::Row(offsetof(R, maxDiffOn)))),
    Difference(IDC_LADE_REF_OFF, Edits(Rows::Row(offsetof(R, maxDiffOff)))),
    Difference(IDC_LADE_DIFF_ON, Edits(Rows::Row(offsetof(R, sourceDiffOn)))),
    Difference(IDC_LADE_DIFF_OFF, Edits(Rows::Row(offsetof(R, sourceDiffOff)))),
};

}  // namespace

const forms::FunctionKind CLadepumpe::kKind{texts::kTypeLadepumpe, ui::kTitleLadepumpe, false};

CLadepumpe::CLadepumpe() : FunctionParamForm({kKind, kLayout, kValues})
{}
