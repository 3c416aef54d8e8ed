// The counter's input-variable form: the release, the counter reset and the six data inputs.
#include "forms/logic/CZaehlerVarIn.h"

#include "forms/logic/CZaehler.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/ZaehlerParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CZaehlerVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = ZaehlerParam;

// The reset and the data inputs are optional: without a source they show no mode.
InputRow Optional(const char* name, int number, unsigned first, UINT heading, UINT source, UINT kind, UINT nr,
                  UINT variable, UINT modeLabel, UINT modeCombo)
{
    return {name, number, heading, source,   InputKind::Digital, first,     first + 1,          first + 2,
            1,    kind,   nr,      variable, modeLabel,          modeCombo, ModeRule::Optional, true};
}

unsigned Data(int i)
{
    return static_cast<unsigned>(offsetof(R, inputs) + static_cast<size_t>(i - 1) * sizeof(DigitalQuelle));
}

const std::vector<InputRow> kInputs = {
    {ui::kZaehlerReleaseInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, release.kind), offsetof(R, release.inverted), offsetof(R, release.number), 0, IDC_RELEASE_KIND,
     IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE, ModeRule::FixedState},
    Optional(ui::kZaehlerResetInput, 0, offsetof(R, reset), 1749, 1748, 1098, 1125, 1113, 1140, 1524),
    Optional(ui::kLogikDataInput, 1, Data(1), 1461, 1453, 1201, 1222, 1210, 1522, 1525),
    Optional(ui::kLogikDataInput, 2, Data(2), 1462, 1455, 1319, 1241, 1334, 1083, 1086),
    Optional(ui::kLogikDataInput, 3, Data(3), 1463, 1457, 1346, 1355, 1367, 1528, 1531),
    Optional(ui::kLogikDataInput, 4, Data(4), 1464, 1458, 1328, 1270, 1338, 1534, 1535),
    Optional(ui::kLogikDataInput, 5, Data(5), 1465, 1459, 1325, 1295, 1342, 1536, 1537),
    Optional(ui::kLogikDataInput, 6, Data(6), 1466, 1460, 1375, 1383, 1386, 1538, 1539),
};

}  // namespace

CZaehlerVarIn::CZaehlerVarIn() : FunctionVarInForm(CZaehler::kKind, kInputs, &CZaehler::Instance)
{}
