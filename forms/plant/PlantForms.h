// What the shell's form table takes from this folder: a factory, a publisher and a save routine per form.
#pragma once

class CView;

namespace plant {

CView* CreateFuncView();
CView* CreateCanLogging();
CView* CreateFuncOrder();
CView* CreateMeldungOrder();

void PublishFuncView(CView* form);
void PublishCanLogging(CView* form);
void PublishFuncOrder(CView* form);
void PublishMeldungOrder(CView* form);

// Save-and-close through the process-wide pointers.
void SaveFuncView();
void SaveCanLogging();
void SaveFuncOrder();
void SaveMeldungOrder();

}  // namespace plant
