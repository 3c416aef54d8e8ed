// The texts a dialog or form gives its controls when it opens, as one table: a row per control id.
#pragma once

#include "platform/CWnd.h"

#include <span>

namespace platform {

struct ControlText {
    int id;
    const char* text;
};

// Sets each row's text on the control of that id in parent (SetDlgItemText: only an edit notifies); a control that
// parent does not hold is passed over.
inline void SetControlTexts(CWnd& parent, std::span<const ControlText> texts)
{
    for (const ControlText& row : texts)
        parent.SetDlgItemText(row.id, row.text);
}

}  // namespace platform
