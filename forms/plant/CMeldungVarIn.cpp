// The message's input-variable form: three inputs, each with a fixed state while nothing is connected.
#include "forms/plant/CMeldungVarIn.h"

#include "forms/plant/CMeldung.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "store/MeldungParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CMeldungVarIn, FunctionVarInForm)

namespace {

using namespace forms;

InputRow Input(const char* name, size_t field, const MeldungInputIds& ids)
{
    const auto kind = static_cast<unsigned>(field);
    return {name,
            0,
            ids.heading,
            ids.source,
            InputKind::Digital,
            kind,
            kind + 1,
            kind + 2,
            0,
            ids.kind,
            ids.number,
            ids.variable,
            ids.modeLabel,
            ids.mode,
            ModeRule::FixedState};
}

const std::vector<InputRow> kInputs = {
    Input(ui::kMeldungRelease, offsetof(MeldungParam, release), kMeldungInputIds[0]),
    Input(ui::kMeldungActivate, offsetof(MeldungParam, activate), kMeldungInputIds[1]),
    Input(ui::kMeldungCancel, offsetof(MeldungParam, cancel), kMeldungInputIds[2]),
};

}  // namespace

CMeldungVarIn::CMeldungVarIn() : FunctionVarInForm(CMeldung::kKind, kInputs, &CMeldung::Instance)
{}
