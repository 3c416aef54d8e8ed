// The warning of a save that could not write or commit.
#include "forms/dialogs/SaveRefusal.h"

#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"
#include "platform/Prompts.h"
#include "resources/Messages.h"

namespace forms {

void RefuseSave(CWnd* owner)
{
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    messages::Show(owner ? owner->m_hWnd : nullptr, messages::kFunctionSaveFailed);
}

}  // namespace forms
