// The members every plant object form gives the shell's form table, written once: its constructor on its dialog
// template (built on first use), its destructor, its factory and the setter of its process-wide pointer. Used in the
// form's source after its includes, in place of IMPLEMENT_DYNCREATE:
//
//     PLANT_FORM_FACTORIES(CEingang, IDD_EINGANG, &plant::EingangTemplate, g_pEingang)
#pragma once

#include "forms/frame/FormLayout.h"
#include "platform/CFormView.h"

#define PLANT_FORM_FACTORIES(Form, templateId, builder, pointer)                                                      \
    IMPLEMENT_DYNCREATE(Form, CFormView)                                                                               \
    Form* pointer = nullptr;                                                                                           \
    Form::Form() : CFormView(templateId)                                                                               \
    {                                                                                                                  \
        forms::EnsureTemplate(templateId, builder);                                                                    \
    }                                                                                                                  \
    Form::~Form() = default;                                                                                           \
    CView* Form::CreateForm()                                                                                          \
    {                                                                                                                  \
        return new Form;                                                                                               \
    }                                                                                                                  \
    void Form::Publish(CView* form)                                                                                    \
    {                                                                                                                  \
        pointer = dynamic_cast<Form*>(form);                                                                           \
    }
