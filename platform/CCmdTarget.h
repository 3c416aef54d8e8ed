// CCmdTarget: an object with a message map that commands can be routed to (windows, documents, the application).
#pragma once

#include "platform/CCmdUI.h"
#include "platform/CObject.h"
#include "platform/MessageMap.h"

namespace platform {
// Filled instead of calling the handler when OnCmdMsg only asks whether a handler exists.
struct CmdHandlerInfo {
    CCmdTarget* target = nullptr;
};
}  // namespace platform

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Looks for a WM_COMMAND or WM_NOTIFY entry in this object's map chain. nCode is CN_COMMAND or a control
    // notification code, CN_UPDATE_COMMAND_UI (pExtra a CCmdUI*), or MAKELONG(notify code, WM_NOTIFY) (pExtra a
    // platform::NotifyInfo*). With handlerInfo set it only reports the target. Routing classes (frame, view,
    // application) override it to offer the command to further targets.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo);

    virtual const platform::MessageMap* GetMessageMap() const;

    // The wait cursor while an operation runs, restored to the arrow afterwards.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const platform::MessageMap* GetThisMessageMap();
    // Calls the entry's handler for this object.
    LRESULT CallEntry(const platform::MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam, UINT id,
                      void* extra);
};
