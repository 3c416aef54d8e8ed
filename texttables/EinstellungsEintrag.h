// EinstellungsEintrag: a flag byte with a text, the entry of function lists and of settings read from a file.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct EinstellungsEintrag {
    // In a function list the reference value of the entry (function number + 1, 0 none); in settings whether the
    // value was read. Starts at 0, so an entry never holds an undefined flag.
    BYTE flag = 0;
    CString text;
};
