// The forms of a function kind as the shell's form table takes them, stated once for every kind.
//
// In the class body of a kind's parameter form, FUNCTION_FORM_MEMBERS declares its runtime class, its kind and the
// getter of its process-wide pointer (the pointer itself, g_p<Name>, is declared after the class):
//
//     class CLadepumpe : public FunctionParamForm {
//         FUNCTION_FORM_MEMBERS(CLadepumpe)
//         ...
//     };
//     extern CLadepumpe* g_pLadepumpe;
//
// In the kind's source, after the includes of its variable forms, FUNCTION_FORM_FACTORIES defines them with the
// pointer and forms::FormsOf<Name>, the factories of the three forms, the pointer's setter and the save command:
//
//     FUNCTION_FORM_FACTORIES(Ladepumpe)
//
// A kind without an output-variable form, or whose save checks the record before it saves (a member of the form
// that warns and returns, or calls SaveAndExit), names that member and has no output factory:
//
//     FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(Zaehler, CheckAndSave)
//
// The shell's form table names forms::FormsOf<Name> for every row of texttables' FUNCTION_TYPE_ROWS. The forms
// libraries are static archives, so this reference is what links a kind's forms in: a kind whose forms are missing
// does not link.
#pragma once

#include "texttables/StandardDesignations.h"

class CView;
class FunctionParamForm;

namespace forms {

struct FunctionKind;

// What a kind's forms give the shell's form table.
struct FunctionFormFactories {
    CView* (*parameters)();        // a new parameter form
    CView* (*inputs)();            // a new input-variable form
    CView* (*outputs)();           // a new output-variable form; null for a kind without one
    void (*publish)(CView* form);  // stores the parameter form in the kind's process-wide pointer
    void (*save)();                // the save command, through that pointer
};

// One per function type, named after its row, and one for the message trio, which stands on the same frame.
#define FUNCTION_FORMS_OF(name, code, kind, head, outputCount) FunctionFormFactories FormsOf##name();
FUNCTION_TYPE_ROWS(FUNCTION_FORMS_OF)
#undef FUNCTION_FORMS_OF
FunctionFormFactories FormsOfMeldung();

}  // namespace forms

#define FUNCTION_FORM_MEMBERS(Form)                                                                                    \
    DECLARE_DYNCREATE(Form)                                                                                            \
public:                                                                                                                \
    /* The kind, shared by its three forms, and the parameter form of the run (its g_p pointer). */                    \
    static const forms::FunctionKind kKind;                                                                            \
    static FunctionParamForm* Instance();

#define FUNCTION_FORM_FACTORIES_WITH(name, save, outputs)                                                              \
    IMPLEMENT_DYNCREATE(C##name, FunctionParamForm)                                                                    \
    C##name* g_p##name = nullptr;                                                                                      \
    FunctionParamForm* C##name::Instance()                                                                             \
    {                                                                                                                  \
        return g_p##name;                                                                                              \
    }                                                                                                                  \
    forms::FunctionFormFactories forms::FormsOf##name()                                                                \
    {                                                                                                                  \
        return {[]() -> CView* { return new C##name; }, []() -> CView* { return new C##name##VarIn; }, outputs,        \
                [](CView* form) { g_p##name = dynamic_cast<C##name*>(form); },                                         \
                [] {                                                                                                   \
                    if (g_p##name)                                                                                     \
                        g_p##name->save();                                                                             \
                }};                                                                                                    \
    }

#define FUNCTION_FORM_FACTORIES(name)                                                                                  \
    FUNCTION_FORM_FACTORIES_WITH(name, SaveAndExit, []() -> CView* { return new C##name##VarOut; })

#define FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(name, save) FUNCTION_FORM_FACTORIES_WITH(name, save, nullptr)
