// The members every kind's parameter form gives the shell's form table, written once: the factories of its forms,
// the setter and getter of its process-wide pointer and the save command. Used in the kind's source after the
// includes of its variable forms:
//
//     FUNCTION_FORM_FACTORIES(CLadepumpe, g_pLadepumpe)
//
// A kind without an output-variable form, or whose save checks the record before it saves (a member of the form
// that warns and returns, or calls SaveAndExit), names that member and declares no CreateVarOut:
//
//     FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(CZaehler, g_pZaehler, CheckAndSave)
#pragma once

#define FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(Form, pointer, save)                                                   \
    IMPLEMENT_DYNCREATE(Form, FunctionParamForm)                                                                       \
    Form* pointer = nullptr;                                                                                           \
    CView* Form::CreateForm()                                                                                          \
    {                                                                                                                  \
        return new Form;                                                                                               \
    }                                                                                                                  \
    CView* Form::CreateVarIn()                                                                                         \
    {                                                                                                                  \
        return new Form##VarIn;                                                                                        \
    }                                                                                                                  \
    void Form::Publish(CView* form)                                                                                    \
    {                                                                                                                  \
        pointer = dynamic_cast<Form*>(form);                                                                           \
    }                                                                                                                  \
    FunctionParamForm* Form::Instance()                                                                                \
    {                                                                                                                  \
        return pointer;                                                                                                \
    }                                                                                                                  \
    void Form::Save()                                                                                                  \
    {                                                                                                                  \
        if (pointer)                                                                                                   \
            pointer->save();                                                                                           \
    }

#define FUNCTION_FORM_FACTORIES(Form, pointer)                                                                         \
    FUNCTION_FORM_FACTORIES_WITHOUT_OUTPUTS(Form, pointer, SaveAndExit)                                                \
    CView* Form::CreateVarOut()                                                                                        \
    {                                                                                                                  \
        return new Form##VarOut;                                                                                       \
    }
