// The rows of the window commands: forms, toolbars, routines and commands.
#include "shell/FormTable.h"

#include "evaluation/CProtokoll.h"
#include "forms/frame/FunctionFormFactories.h"
#include "forms/plant/CAusgang.h"
#include "forms/plant/CEingang.h"
#include "forms/plant/CNetzwerkAusgang.h"
#include "forms/plant/CNetzwerkEingang.h"
#include "forms/plant/CSignalUebergabe.h"
#include "forms/plant/PlantEnds.h"
#include "forms/plant/PlantForms.h"
#include "production/CCompiler.h"
#include "production/CExportPara.h"
#include "production/CImport.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kProtocolForm = 0;
constexpr int kFirstForm = 1;
constexpr int kVarInForm = 2;
constexpr int kVarOutForm = 3;

CView* CreateProtokoll()
{
    return new CProtokoll;
}

CView* CreateExportPara() { return new CExportPara; }

CView* CreateImport()
{
    return new CImport;
}

CView* CreateCompiler()
{
    return new CCompiler;
}

// A function type's trio: parameter form, input-variable form and, where the type has one, output-variable form.
FormRow FunctionRow(const char* kind, const forms::FunctionFormFactories& f)
{
    FormRow row {"param", {kind}, IDR_TOOLBAR_FUNKTION, {}, FormSlot::Parameter, f.save};
    row.forms.push_back({FormSlot::Parameter, IDW_FORM_PARAMETER, kFirstForm, f.parameters, f.publish});
    row.forms.push_back({FormSlot::VarIn, IDW_FORM_VARIN, kVarInForm, f.inputs});
    if (f.outputs)
        row.forms.push_back({FormSlot::VarOut, IDW_FORM_VAROUT, kVarOutForm, f.outputs});
    return row;
}

// A plant form that assigns a number to its object: its one form and the three ends of the shared helper.
template <class Form, Form*& pointer>
FormRow PlantRow(std::vector<const char*> kinds, UINT toolBar, FormSlot slot, UINT childId)
{
    using plant::PlantEnd;
    FormRow row {"param", std::move(kinds), toolBar, {}, slot};
    row.forms.push_back({slot, childId, kFirstForm, &Form::CreateForm, &Form::Publish});
    row.save = &plant::Routine<Form, pointer, PlantEnd::Save>;
    row.assign = &plant::Routine<Form, pointer, PlantEnd::Assign>;
    row.saveAssign = &plant::Routine<Form, pointer, PlantEnd::SaveAssign>;
    return row;
}

std::vector<FormRow> MakeFormRows()
{
    std::vector<FormRow> rows = {
        PlantRow<CEingang, g_pEingang>({"Eingang", "Sensorstatus"}, IDR_TOOLBAR_EINGANG, FormSlot::Eingang,
                                       IDW_FORM_FIRST),
        PlantRow<CAusgang, g_pAusgang>({"Ausgang", "Mischer_Ausgang", "Analog_Ausgang"}, IDR_TOOLBAR_AUSGANG,
                                       FormSlot::Ausgang, IDW_FORM_SECOND),
        {"param", {"Signal_Übergabe", "Signal_Übernahme"}, IDR_TOOLBAR_SIGNAL,
         {{FormSlot::SignalUebergabe, IDW_FORM_SECOND, kFirstForm, &CSignalUebergabe::CreateForm,
           &CSignalUebergabe::Publish}},
         FormSlot::SignalUebergabe, &CSignalUebergabe::Save},
        // The message trio on the function forms' pattern.
        FunctionRow("Meldung", forms::FormsOfMeldung()),
        PlantRow<CNetzwerkEingang, g_pNetzwerkEingang>({"Netzwerkeingang", "Netzwerkstatus"}, IDR_TOOLBAR_NETZEINGANG,
                                                       FormSlot::NetzwerkEingang, IDW_FORM_FIRST),
        PlantRow<CNetzwerkAusgang, g_pNetzwerkAusgang>({"Netzwerkausgang"}, IDR_TOOLBAR_NETZAUSGANG,
                                                       FormSlot::NetzwerkAusgang, IDW_FORM_FIRST),
        {"funcview", {}, IDR_TOOLBAR_FUNCVIEW,
         {{FormSlot::FuncView, IDW_FORM_FIRST, kFirstForm, plant::CreateFuncView, plant::PublishFuncView}},
         FormSlot::FuncView, plant::SaveFuncView},
        {"canlogging", {}, IDR_TOOLBAR_CANLOGGING,
         {{FormSlot::CanLogging, IDW_FORM_FIRST, kFirstForm, plant::CreateCanLogging, plant::PublishCanLogging}},
         FormSlot::CanLogging, plant::SaveCanLogging},
        {"funcorder", {}, IDR_TOOLBAR_FUNCORDER,
         {{FormSlot::FuncOrder, IDW_FORM_FIRST, kFirstForm, plant::CreateFuncOrder, plant::PublishFuncOrder}},
         FormSlot::FuncOrder, plant::SaveFuncOrder},
        {"msgorder", {}, IDR_TOOLBAR_MSGORDER,
         {{FormSlot::MeldungOrder, IDW_FORM_FIRST, kFirstForm, plant::CreateMeldungOrder, plant::PublishMeldungOrder}},
         FormSlot::MeldungOrder, plant::SaveMeldungOrder},
        // The export form fills itself through the flag of an input-variable form.
        {"parser", {}, IDR_TOOLBAR_COMPILER,
         {{FormSlot::Compiler, IDW_FORM_FIRST, kFirstForm, &CreateCompiler},
          {FormSlot::Export, IDW_FORM_SECOND, kVarInForm, &CreateExportPara}},
         FormSlot::Compiler},
        {"paraimport", {}, IDR_TOOLBAR_IMPORT, {{FormSlot::Import, IDW_FORM_FIRST, kFirstForm, &CreateImport}},
         FormSlot::Import},
    };
    // A row per function type, named by its kind; the reference to the type's forms is what links them in.
#define FUNCTION_FORM_ROW(name, code, kind, head, outputCount)                                                         \
    rows.push_back(FunctionRow(kind, forms::FormsOf##name()));
    FUNCTION_TYPE_ROWS(FUNCTION_FORM_ROW)
#undef FUNCTION_FORM_ROW
    return rows;
}

const FormRow kAnythingElse {nullptr, {}, IDR_TOOLBAR_FUNKTION, {}, FormSlot::StartView};

}  // namespace

const FormEntry& ProtocolFormEntry()
{
    static const FormEntry entry{FormSlot::Protokoll, IDW_FORM_PROTOKOLL, kProtocolForm, &CreateProtokoll};
    return entry;
}

const std::vector<FormRow>& FormRows()
{
    static const std::vector<FormRow> rows = MakeFormRows();
    return rows;
}

const FormRow& FindFormRow(const CString& command, const CString& kind)
{
    for (const FormRow& row : FormRows()) {
        if (command != row.command)
            continue;
        if (row.kinds.empty())
            return row;
        for (const char* k : row.kinds)
            if (kind == k)
                return row;
    }
    return kAnythingElse;
}

const std::vector<CommandRow>& CommandRows()
{
    using K = CommandKind;
    using R = DisableRule;
    using F = FormSlot;
    static const std::vector<CommandRow> rows = {
        {ID_SAVE_AND_CLOSE, K::Save, R::Fatal, F::Count},
        {ID_SAVE_SETTINGS_AND_CLOSE, K::Save, R::Fatal, F::Count},
        {ID_ASSIGN_EINGANG, K::Assign, R::Fatal, F::Count},
        {ID_ASSIGN_AUSGANG, K::Assign, R::Fatal, F::Count},
        {ID_ASSIGN_NETZ, K::Assign, R::Fatal, F::Count},
        {ID_SAVE_ASSIGN_EINGANG, K::SaveAssign, R::Fatal, F::Count},
        {ID_SAVE_ASSIGN_AUSGANG, K::SaveAssign, R::Fatal, F::Count},
        {ID_SAVE_ASSIGN_NETZ, K::SaveAssign, R::Fatal, F::Count},
        {ID_TERMINATE, K::Terminate, R::Never, F::Count},
        {ID_CLOSE_WINDOW, K::Terminate, R::Never, F::Count},
        {ID_SHOW_PROTOKOLL, K::Switch, R::Never, F::Protokoll},
        {ID_SHOW_EINGANG, K::Switch, R::Fatal, F::Eingang},
        {ID_SHOW_AUSGANG, K::Switch, R::Fatal, F::Ausgang},
        {ID_SHOW_SIGNAL, K::Switch, R::Fatal, F::SignalUebergabe},
        {ID_SHOW_PARAMETER, K::Switch, R::Fatal, F::Parameter},
        {ID_SHOW_VARIN, K::Switch, R::Fatal, F::VarIn},
        // Disabled also for the function types without an output-variable form, which never create one.
        {ID_SHOW_VAROUT, K::Switch, R::Fatal, F::VarOut},
        {ID_SHOW_COMPILER, K::Switch, R::Fatal, F::Compiler},
        {ID_SHOW_EXPORT, K::Switch, R::Fatal, F::Export},
        {ID_SHOW_IMPORT, K::Switch, R::Fatal, F::Import},
        {ID_SHOW_FUNCVIEW, K::Switch, R::Fatal, F::FuncView},
        {ID_SHOW_CANLOGGING, K::Switch, R::Fatal, F::CanLogging},
        {ID_SHOW_FUNCORDER, K::Switch, R::Fatal, F::FuncOrder},
        {ID_SHOW_MSGORDER, K::Switch, R::Fatal, F::MeldungOrder},
        {ID_SHOW_NETZEINGANG, K::Switch, R::Fatal, F::NetzwerkEingang},
        {ID_SHOW_NETZAUSGANG, K::Switch, R::Fatal, F::NetzwerkAusgang},
        {ID_APP_ABOUT, K::About, R::Never, F::Count},
    };
    return rows;
}

const CommandRow* FindCommandRow(UINT id)
{
    for (const CommandRow& row : CommandRows())
        if (row.id == id)
            return &row;
    return nullptr;
}
