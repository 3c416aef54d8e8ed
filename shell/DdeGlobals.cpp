// Storage of the DDE server state shared with the transfer dialog.
#include "shell/DdeGlobals.h"

bool g_bDdeAck = false;
HCONV g_hDdeConv = nullptr;
