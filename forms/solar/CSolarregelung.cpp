// The solar control's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/solar/CSolarregelung.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/solar/CSolarregelungVarIn.h"
#include "forms/solar/CSolarregelungVarOut.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/SolarregelungParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Solarregelung)

namespace {

using namespace forms;
using R = SolarregelungParam;
using Rows = FieldTable<record::kSolarregelungFields>;

// Control ids of the form, by group: collector, reference, differences, limit.
enum : UINT {
    kCollectorGroup = 1694, kCollectorMaxLabel = 1688, kCollectorMax = 1002, kCollectorHystLabel = 1689,
    kCollectorHyst = 1004, kReferenceGroup = 1695, kReferenceMaxLabel = 1690, kReferenceMax = 1011,
    kReferenceHystLabel = 1691, kReferenceHyst = 1017, kDiffGroup = 1696, kOnLabel = 1260, kOn = 1199,
    kOffLabel = 1283, kOff = 1207, kLimitGroup = 1697, kLimitMaxLabel = 1692, kLimitMax = 1033,
    kLimitHystLabel = 1693, kLimitHyst = 1036,
};

const std::vector<LayoutGroup> kLayout = {
    {kCollectorGroup, ui::kSolarCollectorGroup,
     {{kCollectorMaxLabel, ui::kSolarCollectorMax, kCollectorMax, ControlKind::Combo, ui::kUnitDegrees},
      {kCollectorHystLabel, ui::kHysteresis, kCollectorHyst, ControlKind::Combo, ui::kUnitKelvin}}},
    {kReferenceGroup, ui::kKuehlReferenceGroup,
     {{kReferenceMaxLabel, ui::kKuehlReferenceMax, kReferenceMax, ControlKind::Combo, ui::kUnitDegrees},
      {kReferenceHystLabel, ui::kHysteresis, kReferenceHyst, ControlKind::Combo, ui::kUnitKelvin}}},
    {kDiffGroup, ui::kSolarDiffGroup,
     {{kOnLabel, ui::kDiffOn, kOn, ControlKind::Combo, ui::kUnitKelvin},
      {kOffLabel, ui::kDiffOff, kOff, ControlKind::Combo, ui::kUnitKelvin}}},
    {kLimitGroup, ui::kSolarLimitGroup,
     {{kLimitMaxLabel, ui::kSolarLimitMax, kLimitMax, ControlKind::Combo, ui::kUnitDegrees},
      {kLimitHystLabel, ui::kHysteresis, kLimitHyst, ControlKind::Combo, ui::kUnitKelvin}}},
};

// The limit counts only while a limit temperature is connected.
constexpr EnableRule kWithLimit {false, RECORD_FIELD(R, limitTemp.kind), 0, true};

const std::vector<ValueControl> kValues = {
    RangeControl(kCollectorMax, Rows::Row(offsetof(R, collectorMax))),
    RangeControl(kCollectorHyst, Rows::Row(offsetof(R, collectorHyst))),
    RangeControl(kReferenceMax, Rows::Row(offsetof(R, referenceMax))),
    RangeControl(kReferenceHyst, Rows::Row(offsetof(R, referenceHyst))),
    // OnDifferenz: the whole difference list; the repair keeps the switch-off difference below the switch-on one,
    // and the form shows its result.
    {kOn, Edits(Rows::Row(offsetof(R, diffOn))), -128, {resources::DifferenceList().items}, {}, true},
    {kOff, Edits(Rows::Row(offsetof(R, diffOff))), -128, {resources::DifferenceList().items}, {}, true},
    RangeControl(kLimitMax, Rows::Row(offsetof(R, limitMax)), kWithLimit),
    RangeControl(kLimitHyst, Rows::Row(offsetof(R, limitHyst)), kWithLimit),
};

}  // namespace

const forms::FunctionKind CSolarregelung::kKind {texts::kTypeSolarregelung, ui::kTitleSolarregelung, false};

CSolarregelung::CSolarregelung() : FunctionParamForm({kKind, kLayout, kValues}) {}
