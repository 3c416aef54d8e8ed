// The message's output-variable form: the outputs an active message switches, "normale ON", "dominante ON",
// "dominante OFF" and "Rilascio Errore?", each set on a page of its own over the same 16 boxes.
#include "forms/plant/CMeldungVarOut.h"

#include "forms/plant/CMeldung.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "store/MeldungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CMeldungVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = MeldungParam;

const std::vector<OutputGroup> kOutputs = {
    {IDC_MELDUNG_OUTPUT_GROUP, ui::kMeldungOutputs, SixteenOutputs(kSwitchingOutputBoxes, offsetof(R, normalOn))},
};

// Each page's flags by their distance from the first page's.
const OutputPages kPages{IDC_MELDUNG_PAGES,
                         {{ui::kMeldungPages[0], 0},
                          {ui::kMeldungPages[1], offsetof(R, dominantOn) - offsetof(R, normalOn)},
                          {ui::kMeldungPages[2], offsetof(R, dominantOff) - offsetof(R, normalOn)},
                          {ui::kMeldungPages[3], offsetof(R, errorRelease) - offsetof(R, normalOn)}}};

}  // namespace

CMeldungVarOut::CMeldungVarOut() : FunctionVarOutForm(CMeldung::kKind, kOutputs, &CMeldung::Instance, &kPages)
{}
