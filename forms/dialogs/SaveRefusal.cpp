// The warning of a save that could not write or commit.
#include "forms/dialogs/SaveRefusal.h"

#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"
#include "platform/Prompts.h"
#include "resources/UiTexts.h"

namespace forms {

void RefuseSave(CWnd* owner)
{
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    MessageBoxA(owner ? owner->m_hWnd : nullptr, ui::kFunctionSaveFailed, ui::kFunctionSaveFailedCaption,
                MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

}  // namespace forms
