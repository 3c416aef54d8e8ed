// The cross-process window channel: lets a person's stand-in (tools/wnddrive) use this program's windows from outside,
// as automation tools use another program's windows on the original platform.
//
// The program listens on the socket "channel.windows.sock" of the per-user runtime folder (platform/LocalSocket.h),
// so only processes of this user reach it. Each connection carries one request (platform/WindowChannelWire.h): the
// window ("active": the running modal dialog, else the main frame; "frame": the main frame; or a dialog or form
// template number), the verb and its arguments. The verbs are those of wnddrive: tree, get, caption, items (reading),
// type, click, pick, pick-tree, dblclick, key, command, close (acting, through platform::UserInput only, so nothing
// a person could not do gets done), answer, file (the next message box or file dialog, or the one shown right now),
// boxes (every message box shown so far), where (a control's rectangle on the screen), layout (the window backend's
// report of where the widgets lie). Texts arrive and leave as UTF-8 and are Windows-1252 inside; a text that
// Windows-1252 cannot hold is refused.
//
// The answer's status is 0 when done, 1 when a person could not have done it (hidden, disabled, no such item or
// command, a text that cannot be typed), 2 when the window or control is not there (the client may ask again). An
// answer is sent once the program's queue has run empty after the action, so the next request sees its effect; an
// action that starts a modal loop (a dialog opens) is answered when that loop first runs empty and waits for the person
// (a dialog that only shows progress, such as a transfer to the drawing tool, is waited out), and requests keep being
// served inside it. Requests still unanswered when the process ends are answered as done.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// A verb of the channel: its name, the arguments it takes, how many more may follow, and whether its first argument
// is a control id of the window.
struct WindowChannelVerb {
    const char* name;
    size_t args;
    size_t optional;
    bool takesId;
};

inline constexpr WindowChannelVerb kWindowChannelVerbs[] = {
    {"tree", 0, 0, false},     {"get", 1, 0, true},      {"caption", 1, 0, true}, {"items", 1, 0, true},
    {"type", 2, 0, true},      {"paste", 2, 0, true},    {"click", 1, 0, true},   {"pick", 2, 0, true},
    {"pick-tree", 2, 0, true}, {"dblclick", 2, 0, true}, {"key", 2, 0, false},    {"command", 1, 0, true},
    {"drag", 3, 1, true},      {"answer", 1, 0, false},  {"file", 1, 0, false},   {"boxes", 0, 0, false},
    {"close", 0, 0, false},    {"where", 1, 0, true},    {"layout", 0, 0, false}};

// The verb of that name, or null.
constexpr const WindowChannelVerb* FindWindowChannelVerb(std::string_view name)
{
    for (const WindowChannelVerb& verb : kWindowChannelVerbs)
        if (name == std::string_view(verb.name))
            return &verb;
    return nullptr;
}

class WindowChannel {
public:
    // Starts serving the channel from the calling thread's event loop; nothing happens when it already does. While
    // another live process of this user serves it (an instance that is ending), retries until the name is free.
    static void Serve();
    // Stops serving; requests being carried out are still answered.
    static void Stop();
    // The channel's socket address in the runtime folder ("" when there is none).
    static std::string Address();
};

}  // namespace platform
