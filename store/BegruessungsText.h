// The decoded welcome screen of the controller's display: four lines of the user's own, or the mark that the
// controller shows its default texts. Stored in 128 bytes of area 0 at 7808.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct BegruessungsText {
    static constexpr int kLineLength = 22;  // display characters per line

    BYTE flag = 0;       // 1 the lines are the user's own, 0 the default texts are meant
    CString lines[4];    // at most 22 characters each
};
