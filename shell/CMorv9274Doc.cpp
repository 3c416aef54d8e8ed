// The empty document of the main frame.
#include "shell/CMorv9274Doc.h"

IMPLEMENT_DYNCREATE(CMorv9274Doc, CDocument)
