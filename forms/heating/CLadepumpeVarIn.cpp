// The charge pump's input-variable form: the release, the feed and reference temperatures and their limits.
#include "forms/heating/CLadepumpeVarIn.h"

#include "forms/heating/CLadepumpe.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LadepumpeParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CLadepumpeVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = LadepumpeParam;

const std::vector<InputRow> kInputs = {
    {ui::kLadeReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    AnalogInput(ui::kLadeSourceInput, 1449, 1448, offsetof(R, sourceTemp.kind), 1206, 1213, 1215),
    AnalogInput(ui::kLadeRefInput, 1434, 1433, offsetof(R, referenceTemp.kind), 1510, 1197, 1202),
    AnalogInput(ui::kLadeSourceMinInput, 1451, 1450, offsetof(R, sourceMin.kind), 1208, 1217, 1219),
    AnalogInput(ui::kLadeRefMaxInput, 1436, 1435, offsetof(R, referenceMax.kind), 1211, 1221, 1223),
};

}  // namespace

CLadepumpeVarIn::CLadepumpeVarIn() : FunctionVarInForm(CLadepumpe::kKind, kInputs, &CLadepumpe::Instance)
{}
