// The members every kind's parameter form gives the shell's form table, written once: the factories of its three
// forms, the setter and getter of its process-wide pointer and the save command. Used in the kind's source after
// the includes of its variable forms:
//
//     FUNCTION_FORM_FACTORIES(CLadepumpe, g_pLadepumpe)
#pragma once

#define FUNCTION_FORM_FACTORIES(Form, pointer)                                                                         \
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
    CView* Form::CreateVarOut()                                                                                        \
    {                                                                                                                  \
        return new Form##VarOut;                                                                                       \
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
            pointer->SaveAndExit();                                                                                    \
    }
