// State of the program's own DDE server that the transfer to the drawing tool waits on.
#pragma once

#include "platform/Ddeml.h"

// Set when the drawing tool pokes "ack"; a transfer clears it before it pokes, so each waits for its own "ack".
extern bool g_bDdeAck;
// The conversation the drawing tool holds with the program's server; null when none is open.
extern HCONV g_hDdeConv;
