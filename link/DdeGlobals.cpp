// Storage of the DDE server state shared with the transfer dialog.
#include "link/DdeGlobals.h"

bool g_bDdeAck = false;
HCONV g_hDdeConv = nullptr;
