// The one answer of every form whose save could not write its records or commit them: a warning box (message
// 2.010) and nothing else. The caller sends nothing to the drawing tool and keeps the form open, so the person can
// save again or cancel.
#pragma once

class CWnd;

namespace forms {

// Shows the warning over `owner` (no owner: over no window) with the arrow cursor.
void RefuseSave(CWnd* owner);

}  // namespace forms
