// The logic function's parameter form: its tables for the function form frame, and the factories of its forms.
#include "forms/logic/CLogikfunc.h"

#include "forms/logic/CLogikfuncVarIn.h"
#include "forms/logic/CLogikfuncVarOut.h"

#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/LogikfuncParam.h"
#include "texttables/StandardDesignations.h"

IMPLEMENT_DYNCREATE(CLogikfunc, FunctionParamForm)

CLogikfunc* g_pLogikfunc = nullptr;

namespace {

using namespace forms;
using R = LogikfuncParam;

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
    {IDC_LOGIK_OFF, FORM_FIELD(R, function), 0},
};

}  // namespace

const forms::FunctionKind CLogikfunc::kKind{texts::kTypeLogikfunc, ui::kTitleLogikfunc, false};

CLogikfunc::CLogikfunc() : FunctionParamForm({kKind, kLayout, kValues})
{}

CView* CLogikfunc::CreateForm()
{
    return new CLogikfunc;
}

CView* CLogikfunc::CreateVarIn()
{
    return new CLogikfuncVarIn;
}

CView* CLogikfunc::CreateVarOut()
{
    return new CLogikfuncVarOut;
}

void CLogikfunc::Publish(CView* form)
{
    g_pLogikfunc = dynamic_cast<CLogikfunc*>(form);
}

FunctionParamForm* CLogikfunc::Instance()
{
    return g_pLogikfunc;
}

void CLogikfunc::Save()
{
    if (g_pLogikfunc)
        g_pLogikfunc->SaveAndExit();
}
