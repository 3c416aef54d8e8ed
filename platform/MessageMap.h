// Message maps: static tables of handlers, one per class, each chained to its base class's table.
//
// A class declares DECLARE_MESSAGE_MAP() and defines its table between BEGIN_MESSAGE_MAP(Class, Base) and
// END_MESSAGE_MAP(). The model searches the most derived table first, then each base's, and calls the first entry
// that matches. Handlers are named bare, as in `ON_BN_CLICKED(IDC_OK_BUTTON, OnOkButton)`; each entry compiles to a
// small function that calls the member with the arguments its message carries, so a wrong signature fails to build.
// Several entries may name the same handler (one handler for several controls).
#pragma once

#include "platform/CPoint.h"
#include "platform/WindowTypes.h"

class CCmdTarget;
class CCmdUI;

namespace platform {

// What one dispatch hands to an entry: the message's parameters, the control or command id, the routing extra
// (CCmdUI* for update handlers, NotifyInfo* for WM_NOTIFY) and the result slot.
struct MessageCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;
    void* extra;
    LRESULT result;
};

struct NotifyInfo {
    NMHDR* header;
    LRESULT* result;
};

using MessageHandler = void (*)(CCmdTarget*, MessageCall&);

enum class EntryKind : unsigned char {
    End,
    Command,        // WM_COMMAND with a code (commands, control notifications) and an id range
    UpdateUI,       // command update handler
    Notify,         // WM_NOTIFY from a child control, by code and id range
    NotifyReflect,  // WM_NOTIFY reflected back to the control that sent it
    Message,        // any other window message
};

struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    EntryKind kind;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

// The first entry of the chain, most derived class first, that accepts the call; null when none does.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, EntryKind kind, UINT message, UINT code, UINT id);

}  // namespace platform

#define DECLARE_MESSAGE_MAP()                                           \
protected:                                                              \
    static const platform::MessageMap* GetThisMessageMap();             \
                                                                        \
public:                                                                 \
    const platform::MessageMap* GetMessageMap() const override;        \
                                                                        \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const platform::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const platform::MessageMap* theClass::GetThisMessageMap()                              \
    {                                                                                       \
        using ThisClass = theClass;                                                         \
        using TheBaseClass = baseClass;                                                     \
        static const platform::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                   \
        {0, 0, 0, 0, platform::EntryKind::End, nullptr}};                                   \
        static const platform::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                                        \
    }

#define PLATFORM_MAP_THIS(t) static_cast<ThisClass*>(t)

// Commands, update handlers and control notifications (WM_COMMAND).
#define ON_COMMAND(id_, fn_)                                                                                  \
    {WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(id_), static_cast<UINT>(id_),               \
     platform::EntryKind::Command, +[](CCmdTarget* t, platform::MessageCall&) { PLATFORM_MAP_THIS(t)->fn_(); }},
#define ON_COMMAND_RANGE(id_, idLast_, fn_)                                                                    \
    {WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(id_), static_cast<UINT>(idLast_),           \
     platform::EntryKind::Command, +[](CCmdTarget* t, platform::MessageCall& c) { PLATFORM_MAP_THIS(t)->fn_(c.id); }},
#define ON_UPDATE_COMMAND_UI(id_, fn_)                                                                        \
    {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(id_), static_cast<UINT>(id_),     \
     platform::EntryKind::UpdateUI,                                                                         \
     +[](CCmdTarget* t, platform::MessageCall& c) { PLATFORM_MAP_THIS(t)->fn_(static_cast<CCmdUI*>(c.extra)); }},
#define ON_UPDATE_COMMAND_UI_RANGE(id_, idLast_, fn_)                                                          \
    {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(id_), static_cast<UINT>(idLast_), \
     platform::EntryKind::UpdateUI,                                                                         \
     +[](CCmdTarget* t, platform::MessageCall& c) { PLATFORM_MAP_THIS(t)->fn_(static_cast<CCmdUI*>(c.extra)); }},
#define ON_CONTROL(code_, id_, fn_)                                                                            \
    {WM_COMMAND, static_cast<UINT>(code_), static_cast<UINT>(id_), static_cast<UINT>(id_),                     \
     platform::EntryKind::Command, +[](CCmdTarget* t, platform::MessageCall&) { PLATFORM_MAP_THIS(t)->fn_(); }},
#define ON_CONTROL_RANGE(code_, id_, idLast_, fn_)                                                              \
    {WM_COMMAND, static_cast<UINT>(code_), static_cast<UINT>(id_), static_cast<UINT>(idLast_),                 \
     platform::EntryKind::Command, +[](CCmdTarget* t, platform::MessageCall& c) { PLATFORM_MAP_THIS(t)->fn_(c.id); }},
#define ON_BN_CLICKED(id_, fn_) ON_CONTROL(BN_CLICKED, id_, fn_)
#define ON_BN_DOUBLECLICKED(id_, fn_) ON_CONTROL(BN_DOUBLECLICKED, id_, fn_)
#define ON_CBN_SELENDOK(id_, fn_) ON_CONTROL(CBN_SELENDOK, id_, fn_)
#define ON_CBN_SELCHANGE(id_, fn_) ON_CONTROL(CBN_SELCHANGE, id_, fn_)
#define ON_CBN_SELENDCANCEL(id_, fn_) ON_CONTROL(CBN_SELENDCANCEL, id_, fn_)
#define ON_CBN_DROPDOWN(id_, fn_) ON_CONTROL(CBN_DROPDOWN, id_, fn_)
#define ON_CBN_CLOSEUP(id_, fn_) ON_CONTROL(CBN_CLOSEUP, id_, fn_)
#define ON_EN_CHANGE(id_, fn_) ON_CONTROL(EN_CHANGE, id_, fn_)
#define ON_EN_UPDATE(id_, fn_) ON_CONTROL(EN_UPDATE, id_, fn_)
#define ON_EN_MAXTEXT(id_, fn_) ON_CONTROL(EN_MAXTEXT, id_, fn_)
#define ON_EN_SETFOCUS(id_, fn_) ON_CONTROL(EN_SETFOCUS, id_, fn_)
#define ON_EN_KILLFOCUS(id_, fn_) ON_CONTROL(EN_KILLFOCUS, id_, fn_)
#define ON_LBN_SELCHANGE(id_, fn_) ON_CONTROL(LBN_SELCHANGE, id_, fn_)
#define ON_LBN_DBLCLK(id_, fn_) ON_CONTROL(LBN_DBLCLK, id_, fn_)

// Common control notifications (WM_NOTIFY): handler (NMHDR*, LRESULT*).
#define ON_NOTIFY(code_, id_, fn_)                                                                             \
    {WM_NOTIFY, static_cast<UINT>(code_), static_cast<UINT>(id_), static_cast<UINT>(id_),                      \
     platform::EntryKind::Notify, +[](CCmdTarget* t, platform::MessageCall& c) {                            \
         auto* n = static_cast<platform::NotifyInfo*>(c.extra);                                             \
         PLATFORM_MAP_THIS(t)->fn_(n->header, n->result);                                                            \
     }},
#define ON_NOTIFY_RANGE(code_, id_, idLast_, fn_)                                                               \
    {WM_NOTIFY, static_cast<UINT>(code_), static_cast<UINT>(id_), static_cast<UINT>(idLast_),                  \
     platform::EntryKind::Notify, +[](CCmdTarget* t, platform::MessageCall& c) {                            \
         auto* n = static_cast<platform::NotifyInfo*>(c.extra);                                             \
         PLATFORM_MAP_THIS(t)->fn_(c.id, n->header, n->result);                                                      \
     }},
#define ON_NOTIFY_REFLECT(code_, fn_)                                                                         \
    {WM_NOTIFY, static_cast<UINT>(code_), 0, 0xFFFFFFFFu, platform::EntryKind::NotifyReflect,                \
     +[](CCmdTarget* t, platform::MessageCall& c) {                                                         \
         auto* n = static_cast<platform::NotifyInfo*>(c.extra);                                             \
         PLATFORM_MAP_THIS(t)->fn_(n->header, n->result);                                                            \
     }},

// Window messages.
#define ON_MESSAGE(message_, fn_)                                                                             \
    {static_cast<UINT>(message_), 0, 0, 0, platform::EntryKind::Message,                                    \
     +[](CCmdTarget* t, platform::MessageCall& c) { c.result = PLATFORM_MAP_THIS(t)->fn_(c.wParam, c.lParam); }},
#define ON_WM_TIMER()                                                                                       \
    {WM_TIMER, 0, 0, 0, platform::EntryKind::Message,                                                      \
     +[](CCmdTarget* t, platform::MessageCall& c) { PLATFORM_MAP_THIS(t)->OnTimer(static_cast<UINT_PTR>(c.wParam)); }},
#define ON_WM_CREATE()                                                                                      \
    {WM_CREATE, 0, 0, 0, platform::EntryKind::Message, +[](CCmdTarget* t, platform::MessageCall& c) {      \
         c.result = PLATFORM_MAP_THIS(t)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam));                     \
     }},
#define ON_WM_CLOSE()                                                                                       \
    {WM_CLOSE, 0, 0, 0, platform::EntryKind::Message,                                                      \
     +[](CCmdTarget* t, platform::MessageCall&) { PLATFORM_MAP_THIS(t)->OnClose(); }},
#define ON_WM_DESTROY()                                                                                     \
    {WM_DESTROY, 0, 0, 0, platform::EntryKind::Message,                                                    \
     +[](CCmdTarget* t, platform::MessageCall&) { PLATFORM_MAP_THIS(t)->OnDestroy(); }},
#define ON_WM_SIZE()                                                                                        \
    {WM_SIZE, 0, 0, 0, platform::EntryKind::Message, +[](CCmdTarget* t, platform::MessageCall& c) {        \
         PLATFORM_MAP_THIS(t)->OnSize(static_cast<UINT>(c.wParam), LOWORD(static_cast<std::uintptr_t>(c.lParam)),   \
                              HIWORD(static_cast<std::uintptr_t>(c.lParam)));                               \
     }},
#define PLATFORM_MAP_MOUSE_ENTRY(msg_, fn_)                                                                           \
    {msg_, 0, 0, 0, platform::EntryKind::Message, +[](CCmdTarget* t, platform::MessageCall& c) {            \
         PLATFORM_MAP_THIS(t)->fn_(static_cast<UINT>(c.wParam),                                                      \
                          CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(c.lParam))),         \
                                 static_cast<short>(HIWORD(static_cast<std::uintptr_t>(c.lParam)))));       \
     }},
#define ON_WM_MOUSEMOVE() PLATFORM_MAP_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() PLATFORM_MAP_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() PLATFORM_MAP_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() PLATFORM_MAP_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_KEYDOWN()                                                                                     \
    {WM_KEYDOWN, 0, 0, 0, platform::EntryKind::Message, +[](CCmdTarget* t, platform::MessageCall& c) {     \
         PLATFORM_MAP_THIS(t)->OnKeyDown(static_cast<UINT>(c.wParam), static_cast<UINT>(c.lParam & 0xFFFF),         \
                                 static_cast<UINT>((c.lParam >> 16) & 0xFFFF));                             \
     }},
