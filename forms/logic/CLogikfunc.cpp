// The logic function's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/logic/CLogikfunc.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CLogikfuncVarIn.h"
#include "forms/logic/CLogikfuncVarOut.h"

#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Logikfunc)

namespace {

using namespace forms;
using R = LogikfuncParam;
using Rows = FieldTable<record::kLogikfuncFields>;

// OnFunktion: the four radio buttons are one group; the checked one is the operation.
const std::vector<LayoutGroup> kLayout = {
    {IDC_LOGIK_FUNCTION_GROUP,
     ui::kLogikFunctionGroup,
     {{0,
       nullptr,
       IDC_LOGIK_OFF,
       ControlKind::Radios,
       nullptr,
       {{IDC_LOGIK_OFF, ui::kLogikFunctions[0]},
        {IDC_LOGIK_OR, ui::kLogikFunctions[1]},
        {IDC_LOGIK_AND, ui::kLogikFunctions[2]},
        {IDC_LOGIK_FLIPFLOP, ui::kLogikFunctions[3]}}}}},
};

const std::vector<ValueControl> kValues = {
    {IDC_LOGIK_OFF, Edits(Rows::Row(offsetof(R, function))), 0},
};

}  // namespace

const forms::FunctionKind CLogikfunc::kKind{texts::kTypeLogikfunc, ui::kTitleLogikfunc, false};

CLogikfunc::CLogikfunc() : FunctionParamForm({kKind, kLayout, kValues})
{}
