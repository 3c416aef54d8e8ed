// The cooling function's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/solar/CKuehlfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CKuehlfuncVarIn.h"
#include "forms/solar/CKuehlfuncVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/KuehlfuncParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Kuehlfunc)

namespace {

using namespace forms;
using R = KuehlfuncParam;
using Rows = FieldTable<record::kKuehlfuncFields>;

// Control ids of the form: the time window, the maximum reference temperature, the differences, the variable.
enum : UINT {
    kWindowGroup = 1427, kWindowStart = 1487, kWindowEnd = 1488, kHourLabel = 1429,
    kReferenceGroup = 1432, kMaxLabel = 1430, kMax = 1489, kOnLabel = 1260, kOn = 1199, kOffLabel = 1283, kOff = 1207,
    kMagnitudeLabel = 1431, kMagnitude = 1020,
};

const std::vector<LayoutGroup> kLayout = {
    {kWindowGroup, ui::kKuehlWindowGroup,
     {{kHourLabel, ui::kKuehlHour, kWindowStart, ControlKind::Combo}, {0, nullptr, kWindowEnd, ControlKind::Combo}}},
    {kReferenceGroup, ui::kKuehlReferenceGroup,
     {{kMaxLabel, ui::kKuehlReferenceMax, kMax, ControlKind::Combo, ui::kUnitDegrees},
      {kOnLabel, ui::kDiffOn, kOn, ControlKind::Combo, ui::kUnitKelvin},
      {kOffLabel, ui::kDiffOff, kOff, ControlKind::Combo, ui::kUnitKelvin}}},
    {0, nullptr, {{kMagnitudeLabel, ui::kMagnitude, kMagnitude, ControlKind::Combo}}},
};

const std::vector<ValueControl> kValues = {
    RangeControl(kWindowStart, Rows::Row(offsetof(R, windowStart))),
    RangeControl(kWindowEnd, Rows::Row(offsetof(R, windowEnd))),
    // The fixed maximum counts only while no source gives it.
    RangeControl(kMax, Rows::Row(offsetof(R, referenceMax.number)), {false, RECORD_FIELD(R, referenceMax.kind), 0}),
    // OnDiff: the whole difference list; the repair keeps the switch-off difference below the switch-on one, and
    // the form shows its result.
    {kOn, Edits(Rows::Row(offsetof(R, diffOn))), -128, {resources::DifferenceList().items}, {}, true},
    {kOff, Edits(Rows::Row(offsetof(R, diffOff))), -128, {resources::DifferenceList().items}, {}, true},
    RangeControl(kMagnitude, Rows::Row(offsetof(R, magnitude))),
};

}  // namespace

const forms::FunctionKind CKuehlfunc::kKind {texts::kTypeKuehlfunc, ui::kTitleKuehlfunc, false};

CKuehlfunc::CKuehlfunc() : FunctionParamForm({kKind, kLayout, kValues}) {}
