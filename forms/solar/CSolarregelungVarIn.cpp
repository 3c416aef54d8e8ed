// The solar control's input-variable form: the release, the collector, reference and limit temperatures.
#include "forms/solar/CSolarregelungVarIn.h"

#include "forms/solar/CSolarregelung.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/SolarregelungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CSolarregelungVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = SolarregelungParam;

// An unconnected limit temperature reads "non usato": the limit is then off.
const std::vector<InputRow> kInputs = {
    {ui::kSolarReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    {ui::kSolarCollectorInput, 0, 1699, 1698, InputKind::Analog, offsetof(R, collectorTemp.kind), 0,
     offsetof(R, collectorTemp.number), 0, 1183, 1195, 1200},
    {ui::kKuehlReferenceInput, 0, 1434, 1433, InputKind::Analog, offsetof(R, referenceTemp.kind), 0,
     offsetof(R, referenceTemp.number), 0, 1510, 1197, 1202},
    {ui::kSolarLimitInput, 0, 1701, 1700, InputKind::Analog, offsetof(R, limitTemp.kind), 0,
     offsetof(R, limitTemp.number), 1, 1189, 1198, 1204},
};

}  // namespace

CSolarregelungVarIn::CSolarregelungVarIn()
    : FunctionVarInForm(CSolarregelung::kKind, kInputs, &CSolarregelung::Instance)
{
}
