// Reaching a top-level window of another process of this user by its exact title.
//
// A process publishes a title while its window exists; another process can then find it and post a message to it.
// The message arrives in the owner's own event loop (as a posted task, deferred while a modal loop runs when the
// message is WM_CLOSE), never on another thread. A process that dies unpublishes implicitly.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <functional>

namespace platform::remote {

using Deliver = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

// Makes the title reachable; deliver runs on this process's event loop for each message posted to it. Returns false
// when the title could not be published (another live process holds it).
bool Publish(const CString& title, Deliver deliver);
void Unpublish(const CString& title);

// Whether a live process of this user publishes the title.
bool Exists(const CString& title);

// Posts a message to the process that publishes the title; returns false when none does or the message could not
// be handed over. Does not wait for the message to be handled.
bool Post(const CString& title, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::remote
