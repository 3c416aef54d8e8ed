// Message-map search and command dispatch of CCmdTarget.
#include "platform/CCmdTarget.h"

#include "platform/CCmdUI.h"
#include "platform/CWaitCursor.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace platform {

const MessageMapEntry* FindMessageEntry(const MessageMap* map, EntryKind kind, UINT message, UINT code, UINT id)
{
    for (; map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e && e->kind != EntryKind::End; ++e) {
            if (e->kind != kind || e->message != message)
                continue;
            if (kind == EntryKind::Message) {
                return e;
            }
            if (kind == EntryKind::Notify || kind == EntryKind::NotifyReflect) {
                if (LOWORD(e->code) != LOWORD(code))
                    continue;
            } else if (e->code != code) {
                continue;
            }
            if (kind == EntryKind::NotifyReflect || (id >= e->firstId && id <= e->lastId))
                return e;
        }
        if (!map->base)
            break;
    }
    return nullptr;
}

}  // namespace platform

const platform::MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const platform::MessageMapEntry entries[] = {{0, 0, 0, 0, platform::EntryKind::End, nullptr}};
    static const platform::MessageMap map = {nullptr, entries};
    return &map;
}

const platform::MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CCmdTarget::CallEntry(const platform::MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT id, void* extra)
{
    platform::MessageCall call {message, wParam, lParam, id, extra, 0};
    entry.handler(this, call);
    return call.result;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo)
{
    using platform::EntryKind;
    const platform::MessageMapEntry* entry = nullptr;
    bool notify = nCode != CN_UPDATE_COMMAND_UI && HIWORD(static_cast<DWORD>(nCode)) == WM_NOTIFY;
    if (notify) {
        entry = platform::FindMessageEntry(GetMessageMap(), EntryKind::Notify, WM_NOTIFY,
                                           LOWORD(static_cast<DWORD>(nCode)), nID);
    } else if (nCode == CN_UPDATE_COMMAND_UI) {
        entry = platform::FindMessageEntry(GetMessageMap(), EntryKind::UpdateUI, WM_COMMAND,
                                           static_cast<UINT>(CN_UPDATE_COMMAND_UI), nID);
    } else {
        entry = platform::FindMessageEntry(GetMessageMap(), EntryKind::Command, WM_COMMAND,
                                           static_cast<UINT>(nCode), nID);
    }
    if (!entry)
        return FALSE;
    if (handlerInfo) {
        handlerInfo->target = this;
        return TRUE;
    }
    if (nCode == CN_UPDATE_COMMAND_UI) {
        auto* cmdUI = static_cast<CCmdUI*>(pExtra);
        cmdUI->m_bContinueRouting = FALSE;
        CallEntry(*entry, WM_COMMAND, 0, 0, nID, pExtra);
        return !cmdUI->m_bContinueRouting;
    }
    CallEntry(*entry, notify ? WM_NOTIFY : WM_COMMAND, 0, 0, nID, pExtra);
    return TRUE;
}

void CCmdTarget::BeginWaitCursor()
{
    platform::WaitCursorDepth(+1);
}

void CCmdTarget::EndWaitCursor()
{
    platform::WaitCursorDepth(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    platform::WaitCursorDepth(0);
}
