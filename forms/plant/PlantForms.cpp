// The forms of this folder as the shell's form table creates, publishes and saves them.
#include "forms/plant/PlantForms.h"

#include "forms/plant/CCanLogging.h"
#include "forms/plant/CFuncView.h"
#include "forms/plant/CReorderForm.h"

namespace plant {

namespace {

template <class Form>
CView* Create()
{
    return new Form;
}

template <class Form, Form** pointer>
void Publish(CView* form)
{
    *pointer = dynamic_cast<Form*>(form);
}

template <class Form, Form** pointer>
void Save()
{
    if (*pointer)
        (*pointer)->SaveAndExit();
}

}  // namespace

CView* CreateFuncView() { return Create<CFuncView>(); }
CView* CreateCanLogging() { return Create<CCanLogging>(); }
CView* CreateFuncOrder() { return Create<CFuncOrder>(); }
CView* CreateMeldungOrder() { return Create<CMeldungOrder>(); }

void PublishFuncView(CView* form) { Publish<CFuncView, &g_pFuncView>(form); }
void PublishCanLogging(CView* form) { Publish<CCanLogging, &g_pCanLogging>(form); }
void PublishFuncOrder(CView* form) { Publish<CFuncOrder, &g_pFuncOrder>(form); }
void PublishMeldungOrder(CView* form) { Publish<CMeldungOrder, &g_pMeldungOrder>(form); }

void SaveFuncView() { Save<CFuncView, &g_pFuncView>(); }
void SaveCanLogging() { Save<CCanLogging, &g_pCanLogging>(); }
void SaveFuncOrder() { Save<CFuncOrder, &g_pFuncOrder>(); }
void SaveMeldungOrder() { Save<CMeldungOrder, &g_pMeldungOrder>(); }

}  // namespace plant
