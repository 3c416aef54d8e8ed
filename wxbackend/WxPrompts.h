// Message boxes and file dialogs as native GTK dialogs, run in a nested loop of the model's event loop so that
// timers, sockets and a driver in another process keep being served while a person decides.
#pragma once

#include "platform/Prompts.h"

namespace wxbackend {

platform::Prompts& GtkPrompts();

}  // namespace wxbackend
